#include "charts.h"

#include "recordingchartfx.h"

const char* ChartStem(ChartId id) {
    switch (id) {
    case ChartId::count_hour:
        return "count_hour";
    case ChartId::count_hour_ab:
        return "count_hour_ab";
    case ChartId::w_time:
        return "w_time";
    case ChartId::count:
        return "count";
    case ChartId::count_a_auf:
        return "count_a_auf";
    case ChartId::count_a_ab:
        return "count_a_ab";
    case ChartId::count_b_auf:
        return "count_b_auf";
    case ChartId::count_b_ab:
        return "count_b_ab";
    case ChartId::Verteil:
        return "Verteil";
    case ChartId::Travel:
        return "Travel";
    case ChartId::RufeZeitEt:
        return "RufeZeitEt";
    }
    return "";
}

const char* ChartFileName(ChartId id) {
    switch (id) {
    case ChartId::count_hour:
        return "Rufe_Uhrzeit";
    case ChartId::count_hour_ab:
        return "AufAb_Uhrzeit";
    case ChartId::w_time:
        return "Wartezeiten";
    case ChartId::count:
        return "Rufe_Etagen";
    case ChartId::count_a_auf:
        return "TürA_Auf";
    case ChartId::count_a_ab:
        return "TürA_Ab";
    case ChartId::count_b_auf:
        return "TürB_Auf";
    case ChartId::count_b_ab:
        return "TürB_Ab";
    case ChartId::Verteil:
        return "Rufverteilung";
    case ChartId::Travel:
        return "Überfahrene_Etagen";
    case ChartId::RufeZeitEt:
        return "Rufe_Zeit_Etagen";
    }
    return "Diagramm";
}

ChartOutcome DrawChart(ChartId id, StatisticsStore& store, TChartfx& chart) {
    switch (id) {
    case ChartId::count_hour:
        DrawCallsPerHourChart(store, chart);
        break;
    case ChartId::count_hour_ab:
        DrawUpDownPerHourChart(store, chart);
        break;
    case ChartId::w_time:
        DrawWaitingTimeChart(store, chart);
        break;
    case ChartId::count:
        DrawAllCallsChart(store, chart);
        break;
    case ChartId::count_a_auf:
    case ChartId::count_a_ab:
    case ChartId::count_b_auf:
    case ChartId::count_b_ab:
        DrawDoorChart(id, store, chart);
        break;
    case ChartId::Verteil:
        DrawShaftDistributionChart(store, chart);
        break;
    case ChartId::Travel:
        DrawFloorsPassedChart(store, chart);
        break;
    case ChartId::RufeZeitEt:
        DrawCallsPerHourAndFloorChart(store, chart);
        break;
    }
    return {id, id == ChartId::count};
}

std::vector<std::pair<ChartId, ChartModel>> DrawAllCharts(StatisticsStore& store) {
    RecordingChartfx control(false);
    std::vector<std::pair<ChartId, ChartModel>> charts;
    for (ChartId id : kAllCharts) {
        DrawChart(id, store, control);
        charts.emplace_back(id, control.shown());
    }
    return charts;
}
