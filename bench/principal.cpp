// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks that touch widgets need a QApplication, offscreen unless told otherwise.
#include <benchmark/benchmark.h>
#include <QApplication>
#include "Voz.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Voz::InstalarFabrica();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
