#include "auto_play_window.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// The database file: a path, or a name in the program's track folder.
QString DatabasePath(const QString& programFolder, const QString& database) {
  if (database.endsWith(QLatin1String(".wdb"), Qt::CaseInsensitive)) return database;
  return programFolder + QStringLiteral("/Track/") + database + QStringLiteral(".wdb");
}

void PrintRow(int number, const TrackRecord& track, const TrackReport& report) {
  std::printf("%3d  %-20s %10d %5d  %-8s %5d %10d %11d\n", number, track.Name.toUtf8().constData(),
              track.Difficulty, track.StartSpeed, report.Finished ? "yes" : "NO", report.Steps,
              report.LivesLost, report.ShieldLeft);
}

}  // namespace

// worm_auto_player [database] [track number...]: plays tracks of a database
// ("Vora" in the track folder, or a ".wdb" path) with the automated player on
// the simulated clock and prints how each went. Exits with 1 when a track
// was not finished or cost every life.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QStringList arguments = application.arguments().mid(1);
  std::vector<int> tracks;
  while (!arguments.isEmpty()) {
    bool number = false;
    const int track = arguments.last().toInt(&number);
    if (!number) break;
    tracks.insert(tracks.begin(), track);
    arguments.removeLast();
  }
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString path =
      DatabasePath(programFolder, arguments.isEmpty() ? QStringLiteral("Vora") : arguments.first());
  AutoPlayWindow window;
  QString problem;
  if (!window.Open(programFolder, path, problem)) {
    std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
    return 1;
  }
  const TrackDatabase& database = window.Database();
  if (tracks.empty())
    for (int n = 1; n <= database.TrackCount; ++n) tracks.push_back(n);
  std::printf("  #  %-20s %10s %5s  %-8s %5s %10s %11s\n", "track", "difficulty", "speed",
              "finished", "steps", "lives lost", "shield left");
  bool allFinished = true;
  for (const int n : tracks) {
    if (n < 1 || n > database.TrackCount) {
      std::fprintf(stderr, "\"%s\" has no track %d.\n", path.toUtf8().constData(), n);
      return 1;
    }
    const TrackReport report = window.Play(static_cast<std::uint8_t>(n));
    PrintRow(n, database.Tracks[n], report);
    std::fflush(stdout);
    allFinished = allFinished && report.Finished && report.LivesLost < database.Settings.Lives;
  }
  return allFinished ? 0 : 1;
}
