#include "tools/render/RenderTargets.h"

#include "tools/render/FigureOutput.h"
#include "tools/render/FormulaTarget.h"
#include "tools/render/SketchTarget.h"

#include "app/CompanionNotifier.h"
#include "app/LessonLauncher.h"
#include "biorhythm/BioPrint.h"
#include "biorhythm/BioRythm.h"
#include "drill/Drill.h"
#include "resources/DialogTemplates.h"
#include "ui/LessonWindow.h"
#include "ui/MessageBox.h"
#include "ui/RecordingCanvas.h"
#include "ui/SeedSource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace {

/// A scripted input that the window cannot take (unknown id, bad index): exit status 2.
struct BadEvent : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::u16string fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

const char *kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
        return "button";
    case ControlKind::DefPushButton:
        return "defbutton";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::Static:
        return "static";
    case ControlKind::BlackFrame:
        return "frame";
    case ControlKind::GroupBox:
        return "group";
    case ControlKind::RadioButton:
        return "radio";
    case ControlKind::AutoRadioButton:
        return "autoradio";
    case ControlKind::CheckBox:
        return "check";
    case ControlKind::AutoCheckBox:
        return "autocheck";
    case ControlKind::ComboBox:
        return "combo";
    case ControlKind::HScrollBar:
        return "scrollbar";
    case ControlKind::Icon:
        return "icon";
    }
    return "static";
}

bool writePng(const std::string &file, QWidget &window)
{
    QApplication::processEvents();
    return savePngFast(window.grab().toImage(), file);
}

/// Drives one window and the windows it opens (a drill over a lesson, a correspondence table beside
/// it): events go to the newest of them, and so do the outputs.
class Runner
{
public:
    explicit Runner(const RenderCommand &command) : m_command(command)
    {
        m_previousModal = LessonWindow::setModalHook([this](LessonWindow &child) {
            drive(child);
            return 0;
        });
        m_previousPopup = LessonWindow::setPopupHook([this](QWidget &popup) {
            if (auto *window = dynamic_cast<LessonWindow *>(&popup)) {
                window->initialize();
                window->show();
                m_redirect = window;
            } else {
                popup.show();
            }
        });
        // Only focus changes that an event causes are reported, not the initial focus.
        m_previousFocus = LessonWindow::setFocusHook([this](int id) {
            if (m_applying) std::fprintf(stderr, "focus: %d\n", id);
        });
    }

    ~Runner()
    {
        LessonWindow::setModalHook(std::move(m_previousModal));
        LessonWindow::setPopupHook(std::move(m_previousPopup));
        LessonWindow::setFocusHook(std::move(m_previousFocus));
    }

    Runner(const Runner &) = delete;
    Runner &operator=(const Runner &) = delete;

    /// Applies the remaining events to `window` and writes the outputs, unless a window it opened
    /// has already done so.
    void drive(LessonWindow &window)
    {
        window.initialize();
        window.show();
        LessonWindow *target = &window;
        while (m_next < m_command.events.size() && !m_done) {
            m_applying = true;
            apply(*target, m_command.events[m_next++]);
            m_applying = false;
            if (m_redirect) {
                target = m_redirect;
                m_redirect = nullptr;
            }
        }
        if (!m_done) {
            m_done = true;
            writeOutputs(*target);
        }
    }

    int status() const { return m_status; }

private:
    void apply(LessonWindow &window, const RenderCommand::Event &event)
    {
        using Kind = RenderCommand::Event::Kind;
        const std::string id = std::to_string(event.id);
        switch (event.kind) {
        case Kind::Set:
            if (!window.hasControl(event.id)) throw BadEvent("unknown control id: " + id);
            window.setControlText(event.id, fromUtf8(event.text));
            break;
        case Kind::Press:
            if (!window.pressButton(event.id)) throw BadEvent("no button with id " + id);
            break;
        case Kind::Select:
            if (!window.selectComboEntry(event.id, event.value))
                throw BadEvent("no combo box " + id + " with entry " + std::to_string(event.value));
            break;
        case Kind::Scroll:
            if (!window.scrollTo(event.id, event.value))
                throw BadEvent("no scroll bar with id " + id);
            break;
        case Kind::Click:
            window.clickAt(Point{event.points[0].first, event.points[0].second});
            break;
        case Kind::Drag: {
            std::vector<Point> points;
            for (const auto &[x, y] : event.points)
                points.push_back(Point{x, y});
            window.dragAlong(points);
            break;
        }
        case Kind::Command:
            throw BadEvent("--command applies to the sketch view only");
        }
        QApplication::processEvents();
    }

    void writeOutputs(LessonWindow &window)
    {
        if (!m_command.pngFile.empty() && m_command.scale == 1.0 &&
            !writePng(m_command.pngFile, window)) {
            reportUnwritable(m_command.pngFile);
            m_status = 1;
        }
        const auto paint = [&window](QPainter &painter) { paintWindowFigure(window, painter); };
        if (!writeFigureOutputs(m_command, window.clientSize(), paint)) m_status = 1;
        if (!m_command.opsFile.empty() && !writeLines(m_command.opsFile, window.recordPaint())) {
            reportUnwritable(m_command.opsFile);
            m_status = 1;
        }
        if (!m_command.controlsFile.empty() &&
            !writeLines(m_command.controlsFile, describeControls(window))) {
            reportUnwritable(m_command.controlsFile);
            m_status = 1;
        }
        auto *biorhythm = dynamic_cast<CBioRythm *>(&window);
        if (!m_command.printPdfFile.empty() && biorhythm &&
            !printBiorhythmToPdf(*biorhythm, QString::fromStdString(m_command.printPdfFile))) {
            reportUnwritable(m_command.printPdfFile);
            m_status = 1;
        }
    }

    const RenderCommand &m_command;
    std::size_t m_next = 0;
    bool m_done = false;
    bool m_applying = false;
    int m_status = 0;
    LessonWindow *m_redirect = nullptr;
    LessonWindow::ModalHook m_previousModal;
    LessonWindow::PopupHook m_previousPopup;
    LessonWindow::FocusHook m_previousFocus;
};

/// Message boxes never block: each is printed and answered as the first button would be.
int printMessage(const MessageRequest &request)
{
    std::fprintf(stderr, "message: %s\n", toUtf8(request.text).c_str());
    switch (request.buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return IdOk;
    case MessageButtons::YesNo:
        return IdYes;
    case MessageButtons::YesNoCancel:
        return IdNo;
    }
    return IdOk;
}

int runWindow(const RenderCommand &command, LessonWindow &window)
{
    Runner runner(command);
    try {
        runner.drive(window);
    } catch (const BadEvent &error) {
        reportRenderError(error.what());
        return 2;
    }
    return runner.status();
}

} // namespace

bool writeLines(const std::string &file, const std::vector<std::string> &lines)
{
    std::ofstream out;
    if (file != "-") out.open(file, std::ios::binary);
    std::ostream &stream = file == "-" ? std::cout : out;
    for (const std::string &line : lines)
        stream << line << '\n';
    stream.flush();
    return static_cast<bool>(stream);
}

std::vector<std::string> describeControls(const LessonWindow &window)
{
    std::vector<std::string> lines;
    for (const ControlTemplate &control : window.dialogTemplate().controls) {
        if (control.id == -1) continue;
        std::string line = "control " + std::to_string(control.id) + ' ' + kindName(control.kind);
        line += window.isControlEnabled(control.id) ? " enabled" : " disabled";
        line += window.checkState(control.id) ? " checked " : " unchecked ";
        line += quotedText(window.controlText(control.id));
        if (control.kind == ControlKind::ComboBox) {
            line += " entries";
            for (int i = 0; i < window.comboCount(control.id); ++i)
                line += ' ' + quotedText(window.comboEntry(control.id, i));
            line += " selected " + std::to_string(window.comboSelection(control.id));
        }
        lines.push_back(line);
    }
    return lines;
}

int runRenderCommand(const RenderCommand &command)
{
    // Unset, the clock gives the seed again: a batch's lines do not share one.
    fixRandomSeed(command.seed);
    setMessageBoxHandler(printMessage);
    using Target = RenderCommand::Target;
    switch (command.target) {
    case Target::Lesson: {
        auto companion = createCompanionNotifier();
        LessonLauncher launcher(*companion);
        std::unique_ptr<LessonWindow> window = launcher.prepare(command.targetId, nullptr);
        if (!window) {
            reportRenderError("no lesson with command id " + std::to_string(command.targetId));
            return 2;
        }
        return runWindow(command, *window);
    }
    case Target::About: {
        LessonWindow about(kTemplate100);
        return runWindow(command, about);
    }
    case Target::Drill: {
        CDrill drill(static_cast<std::int16_t>(command.targetId),
                     static_cast<std::int16_t>(command.variant));
        drill.setCircleConstant(3.1415926535);
        return runWindow(command, drill);
    }
    case Target::Formula:
        return renderFormula(command);
    case Target::Sketch:
        return renderSketch(command);
    case Target::None:
        break;
    }
    reportRenderError("this target is not available yet");
    return 2;
}
