// The project file and a project's file list at the size of a large user:
// - load and save of a project file of 100 projects of 500 documents each;
// - the sort that follows a load or an addition, over the same tree;
// - the file list of a project of 1,000 pages of about 8 kB, each with a
//   stylesheet, a script and pictures of its own and shared ones.
#include "BenchSupport.h"

#include "projects/ProjectFile.h"
#include "projects/ProjectFileList.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Projects = 100;
constexpr int DocumentsPerProject = 500;
constexpr int Pages = 1000;

ProjectTree largeTree()
{
    ProjectTree tree;
    for (int p = 0; p < Projects; ++p) {
        const QString root = QStringLiteral("/data/web/projekt%1").arg(p);
        const int project = tree.addProject(root);
        tree.setTitle(project, QStringLiteral("Projekt nummer %1 æøå").arg(Projects - p));
        for (int d = DocumentsPerProject; d > 0; --d)
            tree.addDocument(project, QStringLiteral("%1/mappe%2/side%3.html").arg(root).arg(d % 10).arg(d));
    }
    return tree;
}

void LoadAndSaveProjectFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ProjectFileName);
    ProjectTree tree = largeTree();
    saveProjectFile(tree, path);
    for (auto _ : state) {
        ProjectTree loaded = loadProjectFile(path);
        benchmark::DoNotOptimize(loaded.projectCount());
        saveProjectFile(loaded, path);
    }
}

void SortProjects(benchmark::State &state)
{
    const ProjectTree tree = largeTree();
    for (auto _ : state) {
        ProjectTree sorted = tree;
        sorted.sort();
        benchmark::DoNotOptimize(sorted.title(0));
    }
}

void ListProjectFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("site"));
    ProjectTree tree;
    const int project = tree.addProject(root);
    QDir().mkpath(root + QStringLiteral("/css"));
    writeFile(root + QStringLiteral("/css/stil.css"), "body { background: url(../billeder/papir.png) }");
    for (int i = 0; i < Pages; ++i) {
        const QString folder = QStringLiteral("%1/mappe%2").arg(root).arg(i / 100);
        QDir().mkpath(folder);
        const QString page = QStringLiteral("%1/side%2.htm").arg(folder).arg(i);
        writeFile(page,
                  "<link rel=\"stylesheet\" href=\"../css/stil.css\"><script src=\"menu.js\"></script>"
                  "<img src=\"../billeder/logo.gif\"><img src=\"billede"
                      + QByteArray::number(i) + ".gif\">" + sampleHtml(8 * 1024));
        tree.addDocument(project, page);
    }
    const ReferenceMasks masks{QStringLiteral("*.htm;*.html"), QStringLiteral("*.js")};
    for (auto _ : state)
        benchmark::DoNotOptimize(ProjectFileList(tree, project, masks).size());
}

} // namespace

BENCHMARK(LoadAndSaveProjectFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SortProjects)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ListProjectFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
