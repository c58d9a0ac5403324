// The monitor view Z4Form3: what the module sends in monitor mode, with the stamp
// lines of Timer1, and the buttons that clear, save and report it. The text can grow
// to a megabyte, so the window appends what is new instead of setting it all again.
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"
#include "z4config/Cp1250.h"

namespace vardeck::ui::z4 {
namespace {

QString fromCp1250(const std::string& text, std::size_t from, std::size_t to) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return QString::fromStdString(z4config::cp1250ToUtf8(bytes + from, to - from));
}

class MonitorWindow : public DiagnosticWindow {
public:
    explicit MonitorWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("Z4Form3", model.diagnostics().monitorView, model, z4screen::MenuView::Monitor),
          view_(model.diagnostics().monitorView) {
        text_ = new QPlainTextEdit(this);
        text_->setObjectName("RichEdit1");
        text_->setReadOnly(true);
        text_->setLineWrapMode(QPlainTextEdit::NoWrap);
        QFont fixed("Monospace");
        fixed.setStyleHint(QFont::TypeWriter);
        text_->setFont(fixed);

        QLabel* warning = label("Label1", this);
        warning->setWordWrap(true);
        QFont bold = warning->font();
        bold.setBold(true);
        warning->setFont(bold);

        auto* buttons = new QHBoxLayout;
        for (const char* name : {"Button1", "BitBtn2", "Button2"}) buttons->addWidget(button(name, this));
        buttons->addStretch();
        QPushButton* ok = button("BitBtn1", this);
        ok->setMinimumWidth(100);
        buttons->addWidget(ok);

        auto* column = new QVBoxLayout(this);
        column->addWidget(text_, 1);
        column->addWidget(warning);
        column->addLayout(buttons);
        resize(620, 460);
        bindButtons({"Button1", "BitBtn2", "Button2"}, "BitBtn1");
    }

    void refresh() override {
        DiagnosticWindow::refresh();
        showText();
    }

    void placeOver(QWidget* over) override {
        place(over, view_.takeWindowScale());
    }

private:
    // A "\r" at the end is held back until the byte after it is known: were "\r" and
    // "\n" appended apart, the text area would show two line breaks for one.
    static std::size_t showableEnd(const std::string& text) {
        return !text.empty() && text.back() == '\r' ? text.size() - 1 : text.size();
    }

    void showText() {
        const std::string& text = view_.text();
        const std::size_t end = showableEnd(text);
        QScrollBar* scroll = text_->verticalScrollBar();
        const bool atEnd = scroll->value() == scroll->maximum();
        if (generation_ != view_.textGeneration() || shown_ > end) {
            // Cleared or cut at the front: the text is set afresh.
            text_->setPlainText(fromCp1250(text, 0, end));
            generation_ = view_.textGeneration();
            shown_ = end;
            scroll->setValue(scroll->maximum());
            return;
        }
        if (end == shown_) return;
        QTextCursor cursor(text_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(fromCp1250(text, shown_, end));
        shown_ = end;
        if (atEnd) scroll->setValue(scroll->maximum());
    }

    z4screen::MonitorView& view_;
    QPlainTextEdit* text_ = nullptr;
    unsigned generation_ = 0;
    std::size_t shown_ = 0;  // bytes of the view's text the text area shows
};

}  // namespace

std::unique_ptr<MenuViewWindow> monitorWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<MonitorWindow>(model);
}

}  // namespace vardeck::ui::z4
