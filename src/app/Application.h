#pragma once

#include <QApplication>
#include <QTranslator>

#include <string>
#include <vector>

namespace lumo {

// The application: named after its executable, carries the window icon, and runs the
// main dialog until the curator closes it.
class CLumoApp final : public QApplication {
    Q_OBJECT
public:
    CLumoApp(int& argc, char** argv);

    // Shows the main dialog, hands it the files named on the command line as one drop,
    // and returns when the dialog has been closed.
    int Run(const std::vector<std::string>& files);

private:
    QTranslator qtTexts_;
};

} // namespace lumo
