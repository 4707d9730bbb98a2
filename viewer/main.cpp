// Ostrel: shows a drawing file (".dis") in a window, or renders it to a
// picture without one.
//   Ostrel [INPUT]                          the drawing named by the input file
//                                           (default: Ostrel.inp beside Ostrel)
//   Ostrel --export OUT.png|svg|pdf|dxf DRAWING.dis [--size WIDTHxHEIGHT]
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/suite_path.h"
#include "platform/toolkit_translations.h"
#include "viewer/drawing_export.h"
#include "viewer/task_listener.h"
#include "viewer/view_transform.h"
#include "viewer/viewer_drawing.h"
#include "viewer/viewer_input.h"
#include "viewer/viewer_window.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kDefaultExportWidth = 1600;
constexpr int kDefaultExportHeight = 1000;
// A bigger picture needs more than a gigabyte in memory.
constexpr int kMaxExportSide = 16384;

const char* const kUsage =
    "uso: Ostrel [FILE_DI_INGRESSO]\n"
    "     Ostrel --export USCITA.png|svg|pdf|dxf DISEGNO.dis [--size LARGHEZZAxALTEZZA]\n";

bool HasDisplay() {
#if defined(__linux__) || defined(__unix__)
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
#else
  return true;
#endif
}

void PrintLine(const QString& text) {
  std::fprintf(stderr, "Ostrel: %s\n", text.toLocal8Bit().constData());
}

struct ExportRequest {
  QString output;
  QString drawing;
  int width = kDefaultExportWidth;
  int height = kDefaultExportHeight;
};

bool ParseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  try {
    std::size_t used = 0;
    width = std::stoi(text.substr(0, x), &used);
    if (used != x) return false;
    height = std::stoi(text.substr(x + 1), &used);
    if (used != text.size() - x - 1) return false;
  } catch (...) {
    return false;
  }
  return width > 0 && height > 0;
}

int RunExport(const ExportRequest& request) {
  DrawingReadResult result = ReadDrawing(std::filesystem::path(request.drawing.toStdU16String()),
                                         request.drawing.toStdString());
  if (!result.drawing) {
    PrintLine(QString::fromStdString(result.error));
    return kExitFailed;
  }
  const ViewTransform view =
      ViewTransform::Fit(BoundsOf(*result.drawing), request.width, request.height);
  const QString error =
      ExportView(*result.drawing, view, QSize(request.width, request.height), request.output);
  if (!error.isEmpty()) {
    PrintLine(error);
    return kExitFailed;
  }
  return kExitOk;
}

QString FromPath(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

int RunWindow(int argc, char** argv, const QString& inputArgument) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "Ostrel: nessun display disponibile (DISPLAY non impostato); avviare con "
                 "xvfb-run -a Ostrel, oppure usare Ostrel --export\n");
    return kExitFailed;
  }
  QApplication application(argc, argv);
  LoadToolkitTranslations(application);
  // The input file beside the program, its name matched without regard to
  // case as the suite's paths are.
  const QString inputPath =
      !inputArgument.isEmpty()
          ? inputArgument
          : FromPath(HostPath(
                QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString() +
                "\\Ostrel.inp"));
  const ViewerInputResult input =
      ReadViewerInput(std::filesystem::path(inputPath.toStdU16String()), inputPath.toStdString());

  std::unique_ptr<ViewerWindow> window;
  double dpi = 96.0;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInch();
  if (!input.input) {
    PrintLine(QString::fromStdString(input.error));
    window = std::make_unique<ViewerWindow>(QString(), QString());
    window->ShowProblem(QString::fromStdString(input.error));
    window->resize(static_cast<int>(TwipsToPixels(8000, dpi)),
                   static_cast<int>(TwipsToPixels(5000, dpi)));
  } else {
    const ViewerInput& values = *input.input;
    window = std::make_unique<ViewerWindow>(FromPath(HostPath(values.drawingPath)),
                                            QString::fromStdString(values.drawingPath));
    // Window values in twips: the window's left and top on the screen, its
    // width and height.
    const int width = std::max(200, static_cast<int>(TwipsToPixels(values.width, dpi)));
    const int height = std::max(150, static_cast<int>(TwipsToPixels(values.height, dpi)));
    window->move(static_cast<int>(TwipsToPixels(values.left, dpi)),
                 static_cast<int>(TwipsToPixels(values.top, dpi)));
    window->resize(width, height);
  }

  ViewerWindow* shown = window.get();
  TaskListener listener([shown] { shown->BringToFront(); },
                        [shown](const std::vector<KeyAction>& keys) { shown->ApplyKeys(keys); },
                        [shown] { return shown->StatusText(); });
  if (!listener.Listen()) {
    // The window still works; only the editor cannot drive it.
    PrintLine(
        QStringLiteral("impossibile ricevere i comandi dell'editor: %1").arg(listener.error()));
  }
  window->show();
  window->activateWindow();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  // The arguments are read before the application object exists, because
  // an export chooses its platform first.
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

  if (!args.isEmpty() && args[0] == QLatin1String("--export")) {
    ExportRequest request;
    int i = 1;
    QStringList positional;
    while (i < args.size()) {
      if (args[i] == QLatin1String("--size") && i + 1 < args.size()) {
        if (!ParseSize(args[i + 1].toStdString(), request.width, request.height)) {
          std::fputs(kUsage, stderr);
          return kExitUsage;
        }
        if (request.width > kMaxExportSide || request.height > kMaxExportSide) {
          PrintLine(QStringLiteral("Immagine troppo grande: al massimo %1 punti per lato")
                        .arg(kMaxExportSide));
          return kExitUsage;
        }
        i += 2;
        continue;
      }
      positional << args[i++];
    }
    if (positional.size() != 2) {
      std::fputs(kUsage, stderr);
      return kExitUsage;
    }
    request.output = positional[0];
    request.drawing = positional[1];
    // A picture needs no display.
    if (!HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RunExport(request);
  }
  if (args.size() > 1 || (!args.isEmpty() && args[0].startsWith(QLatin1String("--")))) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  return RunWindow(argc, argv, args.isEmpty() ? QString() : args[0]);
}
