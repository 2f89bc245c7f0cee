#include "chartfx3/recordingchartfx.h"

std::int32_t RecordingChartfx::PrintChart() {
    if (keepsOperations())
        OnOperation("PrintChart()");
    printed_.push_back(shown());
    return 1;
}
