#pragma once

// The print preview: a window that shows the pages of a view's print job one at a time, drawn
// by the view's own OnPrint, with Print, Next Page, Prev Page and Close (also on the keyboard:
// Page Down, Page Up, Escape).
#include <QImage>
#include <QWidget>

#include <memory>

class CDC;
class CPrintInfo;
class CView;
class QLabel;
class QPushButton;

namespace platform {

class PrintPreviewWindow : public QWidget {
public:
    // The job was prepared already (OnPreparePrinting); the window begins it and shows page 1.
    PrintPreviewWindow(CView& view, std::unique_ptr<CPrintInfo> info);
    ~PrintPreviewWindow() override;

    unsigned CurrentPage() const { return m_page; }
    const QImage& PageImage() const { return m_image; }
    bool CanGoNext() const;
    bool ShowPage(unsigned page); // false (and nothing changes) when the view has no such page
    void NextPage();
    void PrevPage();
    void PrintJob();  // closes the preview and prints the view
    void ClosePreview();
    bool IsShowing(const CView* view) const { return m_view == view; }
    void ForgetView() { m_view = nullptr; } // the view is going away: nothing more is asked of it

    QPushButton* PrintButton() const { return m_print; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* PrevButton() const { return m_prev; }
    QPushButton* CloseButton() const { return m_close; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool Render(unsigned page, QImage& target);
    void UpdateControls();
    void EndJob();

    CView* m_view;
    std::unique_ptr<CPrintInfo> m_info;
    QImage m_image;
    unsigned m_page = 0;
    QLabel* m_picture;
    QLabel* m_pageText;
    QPushButton* m_print;
    QPushButton* m_next;
    QPushButton* m_prev;
    QPushButton* m_close;
};

// The preview that is open, or null.
PrintPreviewWindow* ActivePreview();

} // namespace platform
