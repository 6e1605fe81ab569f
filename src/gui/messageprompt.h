#pragma once
// Message boxes of the trade pages, behind a replaceable function so that widget tests can
// answer them without a modal loop.

#include <QString>
#include <functional>

class QWidget;

namespace ts::gui {

enum class PromptButtons { Ok, YesNo };

// Shows `text` under `title` with the given buttons and no icon; true for OK or Yes.
using PromptFn = std::function<bool(QWidget* parent, const QString& title, const QString& text,
                                    PromptButtons buttons)>;

// The default: a real, modal QMessageBox.
bool ShowMessageBox(QWidget* parent, const QString& title, const QString& text,
                    PromptButtons buttons);

} // namespace ts::gui
