#include "platform/ui/dialogs/QtModalServices.h"

#include "platform/core/Paths.h"
#include "platform/ui/dialogs/FileFilter.h"
#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/docview/QtMenus.h"
#include "platform/ui/docview/WinApp.h"
#include "platform/ui/print/PrinterSetup.h"
#include "platform/ui/window/KeyboardReturn.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/ModalActivation.h"
#include "platform/ui/window/PathText.h"
#include "platform/ui/window/ScreenFit.h"
#include "platform/ui/window/WinText.h"
#include "platform/ui/window/Wnd.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

#include <vector>

namespace platform {
namespace {

// A dialog's owner must outlive it: the modal dialog it was opened from, else the main window
// once shown, else none. Never merely the active window: that may be the splash, which closes
// on its timer and would take a dialog still open on it along.
QWidget* DefaultParent(QWidget* parent)
{
    if (parent)
        return parent;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    CWnd* main = AfxGetMainWnd();
    return main && main->IsWindowVisible() ? main->GetWidget() : nullptr;
}

// Around every modal window: the keyboard stays on it while it is open and goes back afterwards.
class ModalKeyboard {
public:
    ModalKeyboard() { KeepTheKeyboardOnModalWindows(); }

private:
    KeyboardReturn m_back;
};

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A Yes/No box has no Cancel: as on Windows, neither Escape nor a close (the window manager's
// button, its key) answers it, where Qt would take both for No. Its buttons end it without one.
class AnsweredByButtonsOnly : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// Qt's own dialog, with the root at hand in its side bar. Browsing stays free (typing a path passes
// through the folders above the root); a choice outside the root is refused when it is made.
void OfferRootFolder(QFileDialog& dialog, const std::string& root)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setSidebarUrls({QUrl::fromLocalFile(PathToQString(root))});
}

void SayOutsideRoot(QWidget* parent, const QString& title, const std::string& folder, const std::string& root)
{
    QMessageBox::warning(parent, title,
                         QString("%1\nis not inside %2.\nChoose a folder there.")
                             .arg(PathToQString(folder), PathToQString(root)));
}

} // namespace

int QtModalServices::MessageBox(const MessageBoxRequest& request)
{
    const ModalKeyboard keyboard;
    QMessageBox box(IconOf(request.type), ToQString(request.caption), ToQString(request.text),
                    QMessageBox::NoButton, DefaultParent(nullptr));
    KeepOnScreen(box);
    struct Choice { QMessageBox::StandardButton button; int result; };
    std::vector<Choice> choices;
    switch (request.type & 0x0F) {
    case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_YESNOCANCEL:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default: choices = {{QMessageBox::Ok, IDOK}}; break;
    }
    for (const Choice& choice : choices)
        box.addButton(choice.button);
    AnsweredByButtonsOnly buttonsOnly;
    if ((request.type & 0x0F) == MB_YESNO)
        box.installEventFilter(&buttonsOnly);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice& choice : choices)
        if (choice.button == pressed)
            return choice.result;
    // A box closed without a button (its owner gone) counts as its cancel answer, or as No/OK
    // where it has no Cancel.
    const unsigned buttons = request.type & 0x0F;
    return buttons == MB_YESNO ? IDNO : buttons == MB_OK ? IDOK : IDCANCEL;
}

std::optional<FileDialogResult> QtModalServices::FileDialog(const FileDialogRequest& request)
{
    const ModalKeyboard keyboard;
    QFileDialog dialog(DefaultParent(nullptr), ToQString(request.title));
    KeepOnScreen(dialog);
    // Qt's own dialog, whatever the desktop: its type filters match names ignoring case, as the
    // agencies' "*.TVB" expects, and its name box can follow the chosen type.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(request.flags & OFN_OVERWRITEPROMPT))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const std::vector<FileFilterEntry> types = ParseFileFilter(request.filter);
    QStringList names;
    for (const FileFilterEntry& entry : types)
        names << ToQString(QtNameFilter(entry));
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        const int index = request.filterIndex >= 1 && request.filterIndex <= names.size()
                              ? request.filterIndex - 1 : 0;
        dialog.selectNameFilter(names[index]);
    }
    if (!request.initialFolder.empty())
        dialog.setDirectory(PathToQString(request.initialFolder));
    if (!request.initialName.empty())
        dialog.selectFile(PathToQString(request.initialName));
    if (request.onTypeChange) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
            auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            const std::string typed = nameBox ? FromQString(nameBox->text()) : std::string();
            const std::string name = request.onTypeChange(int(names.indexOf(filter)) + 1, typed);
            if (nameBox && !name.empty())
                nameBox->setText(ToQString(name));
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileDialogResult result;
    result.filterIndex = static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.filterIndex < 1)
        result.filterIndex = 1;
    // A name typed without an extension takes the chosen type's, so that name and type agree.
    const FileFilterEntry* chosen = types.empty() ? nullptr : &types[std::size_t(result.filterIndex - 1)];
    result.path = WithDefaultExtension(ToLocal8(dialog.selectedFiles().front()),
                                       ExtensionForType(chosen, request.defaultExtension));
    return result;
}

std::optional<std::string> QtModalServices::ChooseFolder(const FolderRequest& request)
{
    const ModalKeyboard keyboard;
    const QString title = ToQString(request.title.empty() ? "Open" : request.title);
    QFileDialog dialog(DefaultParent(nullptr), title);
    KeepOnScreen(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const std::string& start = request.initialFolder.empty() ? request.rootFolder : request.initialFolder;
    if (!start.empty())
        dialog.setDirectory(PathToQString(start));
    if (!request.rootFolder.empty())
        OfferRootFolder(dialog, request.rootFolder);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const std::string folder = ToLocal8(dialog.selectedFiles().front());
        if (request.rootFolder.empty() || IsWithinFolder(folder, request.rootFolder))
            return folder;
        SayOutsideRoot(&dialog, title, folder, request.rootFolder);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> QtModalServices::ChooseColor(const ColorRequest& request)
{
    const ModalKeyboard keyboard;
    if (request.customColors)
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, ToQColor((*request.customColors)[i]));
    const QColor chosen = QColorDialog::getColor(ToQColor(request.initial), DefaultParent(nullptr));
    if (request.customColors)
        for (int i = 0; i < 16; ++i)
            (*request.customColors)[i] = FromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

bool QtModalServices::PrintDialog(PrintRequest& request)
{
    const ModalKeyboard keyboard;
    if (!request.printer)
        return false;
    // Without a printer installed, a PDF file is the one place a bid can go: chosen from the start.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        request.printer->setOutputFormat(QPrinter::PdfFormat);
    ApplyPrinterSetup(*request.printer);
    QPrintDialog dialog(request.printer, DefaultParent(nullptr));
    KeepOnScreen(dialog);
    // Qt's "Print to File (PDF)" is always among the printers.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (request.pageNumbers) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(request.minPage, request.maxPage);
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (request.pageNumbers && dialog.printRange() == QAbstractPrintDialog::PageRange) {
        request.fromPage = dialog.fromPage();
        request.toPage = dialog.toPage();
    } else {
        request.fromPage = request.minPage;
        request.toPage = request.maxPage;
    }
    return true;
}

int QtModalServices::RunModal(ModalDialog& dialog, QWidget* parent)
{
    const ModalKeyboard keyboard;
    if (!dialog.CreateModalWindow(DefaultParent(parent)))
        return -1;
    if (!dialog.HasEnded())
        dialog.ModalWindow()->exec();
    const int result = dialog.ModalResult();
    dialog.DestroyModalWindow();
    return result;
}

UINT QtModalServices::TrackMenu(const MenuRequest& request)
{
    if (!request.menu)
        return 0;
    QMenu menu(DefaultParent(request.parent));
    MenuHooks hooks;
    hooks.hovered = request.hovered;
    SyncQtMenu(menu, const_cast<CMenu&>(*request.menu), hooks);
    QAction* chosen = menu.exec(QPoint(request.x, request.y));
    if (request.hovered)
        request.hovered(0);
    return chosen ? CommandIdOf(chosen) : 0;
}

} // namespace platform
