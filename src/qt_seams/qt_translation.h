// Qt's own texts (message box buttons, the folder chooser) in Russian, as the rest of the program.
#pragma once

class QCoreApplication;
class QString;

namespace melvoro::ui {

// Installs Qt's Russian translation from folder, by default Qt's translations folder. False,
// and Qt stays in English, when the file is not there.
bool LoadQtTranslation(QCoreApplication& app, const QString& folder);
bool LoadQtTranslation(QCoreApplication& app);

}  // namespace melvoro::ui
