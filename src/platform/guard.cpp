#include "platform/guard.h"

#include "core/errors.h"
#include "platform/dialogs.h"

namespace calvorin {

bool runGuarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const Error& e) {
        showErrorBox(QString::fromStdString(e.text()));
    } catch (const std::exception& e) {
        // Anything else is shown as it comes.
        showErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    const auto deliver = [&] { result = QApplication::notify(receiver, event); };
    // By reference: the guard then holds no copy of its own, for every event there is.
    runGuarded(std::cref(deliver));
    return result;
}

} // namespace calvorin
