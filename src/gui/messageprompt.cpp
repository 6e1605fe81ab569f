#include "gui/messageprompt.h"

#include <QMessageBox>

namespace ts::gui {

bool ShowMessageBox(QWidget* parent, const QString& title, const QString& text,
                    PromptButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == PromptButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                    : QMessageBox::Ok,
                    parent);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

} // namespace ts::gui
