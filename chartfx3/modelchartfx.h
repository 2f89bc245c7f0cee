// ModelChartfx: a TChartfx that turns the operations into a ChartModel; the base of every
// concrete control, which only has to show and print what it publishes.
#pragma once

#include "chartfx3/chartmodel.h"
#include "chartfx3/tchartfx.h"

#include <string>

// The control's chart type of a kind (kBarChart, kPieChart).
std::int16_t ChartTypeOf(ChartKind kind);

// Sends a finished chart to a control through its operations, as the chart handlers do, so
// that it shows it.
void SendChart(const ChartModel& chart, TChartfx& control);

class ModelChartfx : public TChartfx {
public:
    void SetThisSerie(std::int16_t series) override;
    void SetTopGap(std::int16_t gap) override;
    void SetBottomGap(std::int16_t gap) override;
    void SetDecimals(std::int16_t decimals) override;
    void SetAngles3D(std::int32_t angles) override;
    void SetFixedGap(std::int16_t fixedGap) override;
    void SetChartType(std::int16_t type) override;
    void SetPointName(const std::string& name) override;
    void SetChart3D(bool on) override;
    void SetXLegFontName(const std::string& face) override;
    void SetXLegFontSize(int points) override;
    void SetPairedSeries(bool paired) override;

    std::int32_t OpenChartData(std::int16_t mode, std::int32_t series,
                               std::int32_t points) override;
    bool CloseChartData(std::int16_t mode) override;
    void SetPointValue(std::int16_t point, double value) override;
    void SetChartAdm(std::int16_t index, double value) override;
    void SetChartTitle(std::int16_t index, const std::string& text) override;
    void SetPointLegend(std::int16_t point, const std::string& text) override;
    void SetSeriesLegend(std::int16_t series, const std::string& text) override;

    // The chart last published by CloseChartData, with the gaps in force now.
    const ChartModel& shown() const { return shown_; }
    std::int16_t TopGap() const { return shown_.topGap; }
    std::int16_t BottomGap() const { return shown_.bottomGap; }

protected:
    // keepOperations: describe every operation to OnOperation (costs a string per call).
    explicit ModelChartfx(bool keepOperations = false) : keepOperations_(keepOperations) {}

    // Every operation, as text, before it takes effect ("SetPointLegend(0,\"KG\")").
    virtual void OnOperation(const std::string& /*op*/) {}
    // The shown chart changed: a new chart was published or its gaps changed.
    virtual void OnShownChanged() {}
    bool keepsOperations() const { return keepOperations_; }

private:
    template <typename Describe> void Note(Describe&& describe) {
        if (keepOperations_)
            OnOperation(describe());
    }

    bool keepOperations_;
    ChartModel pending_; // settings persist from chart to chart; data is replaced on open
    ChartModel shown_;
    std::int16_t thisSerie_ = 0;
};
