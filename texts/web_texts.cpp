// Texts that only the browser edition shows. They are marked here, beside the desktop's, so that
// lupdate keeps them in the same translation files, from which the page's text table is made
// (web/make_texts.py); the desktop never shows them.
#include <QtGlobal>

namespace lucen {
namespace {

[[maybe_unused]] constexpr const char* kWebTexts[] = {
    // The button that closes a message.
    QT_TRANSLATE_NOOP("WebTexts", "Aceptar"),
    // "Elegir partida": plays the code typed.
    QT_TRANSLATE_NOOP("WebTexts", "Jugar"),
    // The board, as a screen reader names it.
    QT_TRANSLATE_NOOP("WebTexts", "Tablero"),
    // After a bad code in the page's address, which is named before it: %1 the side, %2 the
    // colours of the board played instead.
    QT_TRANSLATE_NOOP("WebTexts", "En su lugar se juega el tablero de %1x%1 con %2 colores."),
    // When the browser refuses to copy the line to share.
    QT_TRANSLATE_NOOP("WebTexts", "No se pudo copiar."),
};

}  // namespace
}  // namespace lucen
