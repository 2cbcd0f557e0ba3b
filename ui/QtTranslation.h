#pragma once

class QCoreApplication;

/// Loads Qt's own Japanese texts (file dialogs, standard buttons, context menus) into `app`: from
/// Qt's translation folder, or from a "translations" folder beside the program or in its
/// share/tessaryn folder where Qt's is missing (a Windows or macOS bundle). Returns false when no
/// translation was found; the program then runs with Qt's English texts and its own Japanese ones.
bool installJapaneseTranslation(QCoreApplication &app);

/// Keeps the C library's number format whatever the user's locale is: Qt sets the C locale from
/// the environment when the application starts, and a locale with a decimal comma would make the
/// printf-style number texts of every figure read "2,5" and the field readers refuse "2.5".
void keepCNumberFormat();
