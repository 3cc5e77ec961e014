#include "about/form_quindral.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "about/about_controls.h"
#include "about/about_design.h"
#include "platform/accessibility.h"
#include "platform/centring.h"
#include "platform/desktop_shell.h"
#include "platform/fonts.h"
#include "platform/twips.h"

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

FormQuindral::FormQuindral(const QWidget& mainWindow, DesktopShell& shell)
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
  shpMarco = new FrameLine(this);
  shpMarco->setObjectName(QStringLiteral("shpMarco"));
  SetTwipsRect(shpMarco, kAboutWindow);

  imgIcono = AddLabel("imgIcono", {349, 180, 480, 480});
  lblTitulo = AddLabel("lblTitulo", {956, 180, 2955, 375}, QStringLiteral("Enigmarium 1.0"), kWhite,
                       FontByName(QStringLiteral("Arial Black"), 12));
  lblCreadoPor = AddLabel("lblCreadoPor", {956, 480, 2295, 255}, tr("Creado por Quindral-Software"),
                          kWhite, DialogFont());
  imgLogo = AddLabel("imgLogo", {405, 810, 3450, 3435});
  imgLogo->setPixmap(QPixmap(QStringLiteral(":/lucen/logo.jpg")));

  const QFont linkFont = FontByName(QStringLiteral("Arial"), 9.75);
  lblMail = AddLabel("lblMail", kMailLinkPlace, kMakerMail, kLinkBlue, linkFont);
  lblTexEmail =
      AddLabel("lblTexEmail", {1080, 4365, 735, 255}, tr("Email: "), kSilver, DialogFont());
  lblURL = AddLabel("lblURL", kWebLinkPlace, kMakerWeb, kLinkBlue, linkFont);
  lblTexWeb = AddLabel("lblTexWeb", {1095, 4635, 615, 255}, tr("Web:"), kSilver, DialogFont());
  lblTexto = AddLabel(
      "lblTexto", kNoticePlace,
      tr("Este programa es freeware. Puede copiarse libremente, pero nadie podrá cobrar por él. "
         "Para ponerlo en su web, pida antes permiso al autor vía email."),
      kSilver, FontByName(QStringLiteral("Arial"), 9));
  lblTexto->setWordWrap(true);
  lblClick = AddLabel("lblClick", {2805, 5955, 1320, 210}, tr("[click para cerrar]"), kLightYellow,
                      DialogFont());
  lblClick->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  // The links size themselves to their text from a fixed corner, show the hand, follow the
  // pointer, and sit in front of the captions they overlap so that all their text is clickable.
  const QCursor hand = HandCursor(devicePixelRatioF());
  for (ClickableLabel* link : {lblMail, lblURL}) {
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
  imgIcono->setAccessibleName(tr("Icono del programa"));
  imgLogo->setAccessibleName(tr("Logotipo de Quindral-Software"));
  lblMail->setAccessibleDescription(tr("Enlace: escribir un correo al autor"));
  lblURL->setAccessibleDescription(tr("Enlace: abrir la página web del autor"));

  for (ClickableLabel* closer :
       {lblClick, imgLogo, lblCreadoPor, imgIcono, lblTitulo, lblTexWeb, lblTexEmail, lblTexto}) {
    connect(closer, &ClickableLabel::clicked, this, &FormQuindral::Form_Click);
  }
  connect(lblMail, &ClickableLabel::clicked, this, &FormQuindral::lblMail_Click);
  connect(lblURL, &ClickableLabel::clicked, this, &FormQuindral::lblURL_Click);
  connect(lblMail, &ClickableLabel::pointerMoved, this, [this] { HoverLink(lblMail); });
  connect(lblURL, &ClickableLabel::pointerMoved, this, [this] { HoverLink(lblURL); });
}

ClickableLabel* FormQuindral::AddLabel(const char* name, const TwipsRect& place,
                                       const QString& text, const QColor& colour,
                                       const QFont& font) {
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

bool FormQuindral::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QDialog::event(event);
}

void FormQuindral::showEvent(QShowEvent* event) {
  // Being shown is what activates the window; copying here as well means the title and icons
  // are right even on a desktop that never hands it the focus.
  Form_Activate();
  QDialog::showEvent(event);
}

void FormQuindral::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) {
    event->ignore();  // Shift, arrows, function keys: no character, no close
    return;
  }
  event->accept();
  Form_KeyPress();
}

void FormQuindral::mousePressEvent(QMouseEvent* event) {
  click_.Press(*event);
  event->accept();
}

void FormQuindral::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (click_.Release(*event, rect())) Form_Click();
}

void FormQuindral::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  HoverLink(nullptr);  // the background clears both underlines
}

void FormQuindral::Form_Activate() {
  lblTitulo->setText(mainWindow_.windowTitle());
  const QIcon icon = mainWindow_.windowIcon();
  imgIcono->setPixmap(
      icon.pixmap(TwipsToPixels(GetTwipsRect(imgIcono)).size(), devicePixelRatioF()));
  setWindowIcon(icon);
}

void FormQuindral::Form_Click() {
  close();
}
void FormQuindral::Form_KeyPress() {
  close();
}

void FormQuindral::HoverLink(const QLabel* hovered) {
  for (QLabel* link : {lblMail, lblURL}) {
    QFont font = link->font();
    if (font.underline() == (link == hovered)) continue;
    font.setUnderline(link == hovered);
    link->setFont(font);
  }
}

// Each address is read from its link's caption at the moment of the click.
void FormQuindral::lblMail_Click() {
  shell_.Open(QUrl(QStringLiteral("mailto:") + lblMail->text()));
}
void FormQuindral::lblURL_Click() {
  shell_.Open(QUrl(QStringLiteral("http://") + lblURL->text()));
}

void ShowFormQuindral(const QWidget& mainWindow, DesktopShell& shell) {
  FormQuindral about(mainWindow, shell);
  if (const QScreen* screen = mainWindow.screen()) CentreWindow(about, screen->availableGeometry());
  about.exec();
}

}  // namespace lucen
