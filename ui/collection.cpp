// The collection base.
#include "collection.h"

namespace ui {

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info(L"TCollection", &TPersistent::StaticClass());
    return info;
}

} // namespace ui
