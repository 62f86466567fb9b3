// Where the main window goes.
#include "collector/placement.h"

#include "ui/scale_measure.h"

namespace collector {

Position PlaceNearCorner(int work_width, int work_height, int window_width, int window_height,
                         int dpi) {
    const int margin = ScaleMeasure(20, dpi);
    return {work_width - window_width - margin, work_height - window_height - margin};
}

} // namespace collector
