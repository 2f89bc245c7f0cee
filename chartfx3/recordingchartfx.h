// RecordingChartfx: a chart control without a screen that keeps every operation it was sent
// and the charts it published; for tests and the report tool.
#pragma once

#include "chartfx3/modelchartfx.h"

#include <string>
#include <vector>

class RecordingChartfx : public ModelChartfx {
public:
    explicit RecordingChartfx(bool keepOperations = true) : ModelChartfx(keepOperations) {}

    std::int32_t PrintChart() override;

    const std::vector<std::string>& operations() const { return operations_; }
    // What PrintChart would have put on paper, one entry per call.
    const std::vector<ChartModel>& printed() const { return printed_; }

protected:
    void OnOperation(const std::string& op) override { operations_.push_back(op); }

private:
    std::vector<std::string> operations_;
    std::vector<ChartModel> printed_;
};
