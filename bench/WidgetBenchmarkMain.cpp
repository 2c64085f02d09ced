// The main function of the benchmarks that time widgets: an application
// object for them, then the registered benchmarks.
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
