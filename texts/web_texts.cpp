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
    // Under the board while the browser refuses to keep the page's data (a private window, a
    // blocked site, a full storage).
    QT_TRANSLATE_NOOP("WebTexts",
                      "Este navegador no guarda la partida en juego ni los récords: se pierden al "
                      "cerrar la página."),
    // "Récords": the records downloaded as a file, and a file of records added to them.
    QT_TRANSLATE_NOOP("WebTexts", "Exportar récords"),
    QT_TRANSLATE_NOOP("WebTexts", "Importar récords"),
    // %1 the name of the file chosen.
    QT_TRANSLATE_NOOP("WebTexts",
                      "«%1» no se pudo leer como récords de Lucen; no ha cambiado nada."),
    QT_TRANSLATE_NOOP("WebTexts", "Récords de «%1» añadidos."),
    // "Récords" before any numbered game: the page has no menu "Juego" to name.
    QT_TRANSLATE_NOOP("WebTexts",
                      "Aún no has jugado ninguna partida numerada. Empieza una con «Partida nueva» "
                      "o «Partida del día»."),
    // Closes "Récords".
    QT_TRANSLATE_NOOP("WebTexts", "Cerrar"),
    // "Días anteriores": the months before and after the one shown.
    QT_TRANSLATE_NOOP("WebTexts", "Mes anterior"),
    QT_TRANSLATE_NOOP("WebTexts", "Mes siguiente"),
};

}  // namespace
}  // namespace lucen
