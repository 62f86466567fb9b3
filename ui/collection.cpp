// The class descriptions of collections and their items.
#include "ui/collection.h"

namespace ui {

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info(L"TCollection", &TPersistent::StaticClass());
    return info;
}

const TClassInfo& TCollectionItem::StaticClass() {
    static const TClassInfo info(L"TCollectionItem", &TPersistent::StaticClass());
    return info;
}

} // namespace ui
