#include "secondary_windows/about_window.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "desktop/accessibility.h"
#include "desktop/centring.h"
#include "desktop/desktop_shell.h"
#include "desktop/fonts.h"
#include "desktop/twips.h"
#include "secondary_windows/about_controls.h"
#include "secondary_windows/about_design.h"

namespace lucen {

namespace {

// The maker's addresses: each is stored only here, as the caption of its link.
const QString kMakerMail = QStringLiteral("info@quindral.example");
const QString kMakerWeb = QStringLiteral("www.quindral.example");

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
const QColor kLinkBlue(51, 153, 255);
const QColor kLightYellow(255, 255, 192);

// The 32 x 32 monochrome hand, or on a high-density screen its drawing at twice the size, so
// that it stays sharp.
QCursor HandCursor(qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    QPixmap large(QStringLiteral(":/lucen/hand_cursor_64.png"));
    large.setDevicePixelRatio(2.0);
    return QCursor(large, 0, 0);
  }
  return QCursor(QBitmap(QStringLiteral(":/lucen/hand_cursor.xbm")),
                 QBitmap(QStringLiteral(":/lucen/hand_cursor_mask.xbm")), 0, 0);
}

}  // namespace

AboutWindow::AboutWindow(const QWidget& mainWindow, DesktopShell& shell)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint),  // thin border, no title bar
      mainWindow_(mainWindow),
      shell_(shell) {
  setObjectName(QStringLiteral("FormQuindral"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QString());
  setFixedSize(TwipsToPixels(kAboutWindow).size());
  setFont(DialogFont());
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setMouseTracking(true);  // the background clears the links' underline

  // Created back to front.
  frame_ = new FrameLine(this);
  frame_->setObjectName(QStringLiteral("shpMarco"));
  SetTwipsRect(frame_, kAboutWindow);

  icon_ = AddLabel("imgIcono", {349, 180, 480, 480});
  title_ = AddLabel("lblTitulo", {956, 180, 2955, 375}, QStringLiteral("Enigmarium 1.0"), kWhite,
                    FontByName(QStringLiteral("Arial Black"), 12));
  credit_ = AddLabel("lblCreadoPor", {956, 480, 2295, 255}, tr("Creado por Quindral-Software"),
                     kWhite, DialogFont());
  logo_ = AddLabel("imgLogo", {405, 810, 3450, 3435});
  logo_->setPixmap(QPixmap(QStringLiteral(":/lucen/logo.jpg")));

  const QFont linkFont = FontByName(QStringLiteral("Arial"), 9.75);
  mailLink_ = AddLabel("lblMail", kMailLinkPlace, kMakerMail, kLinkBlue, linkFont);
  mailCaption_ =
      AddLabel("lblTexEmail", {1080, 4365, 735, 255}, tr("Email: "), kSilver, DialogFont());
  webLink_ = AddLabel("lblURL", kWebLinkPlace, kMakerWeb, kLinkBlue, linkFont);
  webCaption_ = AddLabel("lblTexWeb", {1095, 4635, 615, 255}, tr("Web:"), kSilver, DialogFont());
  notice_ = AddLabel(
      "lblTexto", kNoticePlace,
      tr("Este programa es freeware. Puede copiarse libremente, pero nadie podrá cobrar por él. "
         "Para ponerlo en su web, pida antes permiso al autor vía email."),
      kSilver, FontByName(QStringLiteral("Arial"), 9));
  notice_->setWordWrap(true);
  // The notice's place reaches past the window's right edge, where the window clips it: its words
  // wrap inside the part that shows, left of the frame line.
  const float hidden =
      kNoticePlace.left + kNoticePlace.width - (kAboutWindow.width - kTwipsPerPixel);
  notice_->setContentsMargins(0, 0, TwipsToPixels({0, 0, hidden, 0}).width(), 0);
  closeNote_ = AddLabel("lblClick", {2805, 5955, 1320, 210}, tr("[click para cerrar]"),
                        kLightYellow, DialogFont());
  closeNote_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  // The links size themselves to their text from a fixed corner, show the hand, follow the
  // pointer, and sit in front of the captions they overlap so that all their text is clickable.
  const QCursor hand = HandCursor(devicePixelRatioF());
  for (ClickableLabel* link : {mailLink_, webLink_}) {
    const TwipsRect corner = GetTwipsRect(link);
    link->adjustSize();
    SetTwipsRect(link, {corner.left, corner.top, static_cast<float>(link->width()) * kTwipsPerPixel,
                        static_cast<float>(link->height()) * kTwipsPerPixel});
    link->setCursor(hand);
    link->setMouseTracking(true);
    link->raise();
    PresentAsLink(link, [link] { emit link->clicked(); });
  }

  setAccessibleName(tr("Acerca de"));
  icon_->setAccessibleName(tr("Icono del programa"));
  logo_->setAccessibleName(tr("Logotipo de Quindral-Software"));
  mailLink_->setAccessibleDescription(tr("Enlace: escribir un correo al autor"));
  webLink_->setAccessibleDescription(tr("Enlace: abrir la página web del autor"));

  for (ClickableLabel* closer :
       {closeNote_, logo_, credit_, icon_, title_, webCaption_, mailCaption_, notice_}) {
    connect(closer, &ClickableLabel::clicked, this, &AboutWindow::close);
  }
  connect(mailLink_, &ClickableLabel::clicked, this, &AboutWindow::OpenMailLink);
  connect(webLink_, &ClickableLabel::clicked, this, &AboutWindow::OpenWebLink);
  connect(mailLink_, &ClickableLabel::pointerMoved, this, [this] { HoverLink(mailLink_); });
  connect(webLink_, &ClickableLabel::pointerMoved, this, [this] { HoverLink(webLink_); });
}

ClickableLabel* AboutWindow::AddLabel(const char* name, const TwipsRect& place, const QString& text,
                                      const QColor& colour, const QFont& font) {
  auto* label = new ClickableLabel(this);
  label->setObjectName(QLatin1String(name));
  SetTwipsRect(label, place);
  if (text.isEmpty()) return label;  // a picture
  label->setText(text);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  QPalette ink = label->palette();
  ink.setColor(QPalette::WindowText, colour);
  label->setPalette(ink);
  return label;
}

bool AboutWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) CopyMainWindowLook();
  return QDialog::event(event);
}

void AboutWindow::showEvent(QShowEvent* event) {
  // Being shown is what activates the window; copying here as well means the title and icons
  // are right even on a desktop that never hands it the focus.
  CopyMainWindowLook();
  QDialog::showEvent(event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) {
    event->ignore();  // Shift, arrows, function keys: no character, no close
    return;
  }
  event->accept();
  close();
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
  click_.Press(*event);
  event->accept();
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (click_.Release(*event, rect())) close();
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  HoverLink(nullptr);  // the background clears both underlines
}

void AboutWindow::CopyMainWindowLook() {
  title_->setText(mainWindow_.windowTitle());
  const QIcon icon = mainWindow_.windowIcon();
  icon_->setPixmap(icon.pixmap(TwipsToPixels(GetTwipsRect(icon_)).size(), devicePixelRatioF()));
  setWindowIcon(icon);
}

void AboutWindow::HoverLink(const QLabel* hovered) {
  for (QLabel* link : {mailLink_, webLink_}) {
    QFont font = link->font();
    if (font.underline() == (link == hovered)) continue;
    font.setUnderline(link == hovered);
    link->setFont(font);
  }
}

// Each address is read from its link's caption at the moment of the click.
void AboutWindow::OpenMailLink() {
  shell_.Open(QUrl(QStringLiteral("mailto:") + mailLink_->text()));
}
void AboutWindow::OpenWebLink() {
  shell_.Open(QUrl(QStringLiteral("http://") + webLink_->text()));
}

void ShowAboutWindow(const QWidget& mainWindow, DesktopShell& shell) {
  AboutWindow about(mainWindow, shell);
  if (const QScreen* screen = mainWindow.screen()) CentreWindow(about, screen->availableGeometry());
  about.exec();
}

}  // namespace lucen
