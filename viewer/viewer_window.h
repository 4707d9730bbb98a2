#pragma once

#include <QMainWindow>
#include <QString>
#include <vector>

#include "platform/key_sequence.h"

class DrawingView;
class KeyInterpreter;
class QAction;

// The viewer's window: one drawing file, fitted on opening, with a menu
// "File" (Aggiorna reloads the file: Alt+F, G; Esporta vista; Esci) and a
// menu "Vista" (fit, zoom in, zoom out).
class ViewerWindow : public QMainWindow {
  Q_OBJECT

 public:
  // hostPath is the drawing file on this host; shownName is the path as the
  // user knows it, for the title and the messages. An empty hostPath opens
  // the window without a drawing.
  ViewerWindow(QString hostPath, QString shownName, QWidget* parent = nullptr);
  ~ViewerWindow() override;

  // Reads the drawing file again and shows it fitted; a file that cannot be
  // read leaves the message on the paper and in the status bar.
  void Reload();

  // Shows a message instead of a drawing (an input file that cannot be read).
  void ShowProblem(const QString& message);

  // Brings the window to the front, restored if it was minimised.
  void BringToFront();

  // Keystrokes from another program, acted on as the keyboard would.
  void ApplyKeys(const std::vector<KeyAction>& keys);

  // Writes what the window shows to path (.png, .svg or .pdf); the reason in
  // Italian when it cannot, else an empty text.
  QString ExportViewTo(const QString& path) const;

  // What is shown, for the task layer's status request:
  // "caricamenti=2 linee=14 archi=3".
  QString StatusText() const;

  DrawingView& view() const { return *view_; }
  int loadCount() const { return loads_; }

 private:
  void ExportWithDialog();

  QString hostPath_;
  QString shownName_;
  DrawingView* view_;
  KeyInterpreter* keys_;
  int loads_ = 0;
};
