#include "collector/placement.h"

namespace collector {

Position PlaceNearCorner(int work_width, int work_height, int window_width, int window_height) {
    return {work_width - window_width - 20, work_height - window_height - 20};
}

} // namespace collector
