// Built only by the engine_rejects_qt test, which expects this build to FAIL: an engine
// source must not be able to include Qt.
#include <QtCore/QString>

int EngineQtProbe() { return QString().size(); }
