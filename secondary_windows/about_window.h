#pragma once

#include <QDialog>

#include "desktop/twips.h"
#include "secondary_windows/about_controls.h"

class QLabel;

namespace lucen {

class DesktopShell;

// The about window: the game's title and icon (copied from the main window whenever it becomes
// active), the logo, the maker's credit and addresses, and the distribution notice. A click
// anywhere but on a link, or any key that types a character, closes it; a link hands its address
// to the desktop shell and leaves the window open.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  AboutWindow(const QWidget& mainWindow, DesktopShell& shell);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // A caption at its place in twips; with no text, a picture.
  ClickableLabel* AddLabel(const char* name, const TwipsRect& place, const QString& text = {},
                           const QColor& colour = {}, const QFont& font = {});
  // Underlines the link under the pointer (none over the background) and clears the other.
  void HoverLink(const QLabel* hovered);

  void CopyMainWindowLook();
  void OpenMailLink();
  void OpenWebLink();

  const QWidget& mainWindow_;
  DesktopShell& shell_;
  ClickTracker click_;

  FrameLine* frame_ = nullptr;
  ClickableLabel* icon_ = nullptr;
  ClickableLabel* title_ = nullptr;
  ClickableLabel* credit_ = nullptr;
  ClickableLabel* logo_ = nullptr;
  ClickableLabel* mailLink_ = nullptr;
  ClickableLabel* mailCaption_ = nullptr;
  ClickableLabel* webLink_ = nullptr;
  ClickableLabel* webCaption_ = nullptr;
  ClickableLabel* notice_ = nullptr;
  ClickableLabel* closeNote_ = nullptr;
};

// Shows a fresh about window modally, with no owner; returns once the player has closed it.
void ShowAboutWindow(const QWidget& mainWindow, DesktopShell& shell);

}  // namespace lucen
