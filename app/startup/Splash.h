#pragma once

#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/draw/GdiObjects.h"

#include <memory>

class QObject;

// The window shown while the program starts: its picture, for three seconds or until clicked.
class CSplash : public CDialog {
public:
    static constexpr UINT IDD = 207;
    static constexpr UINT_PTR kCloseTimer = 99;
    static constexpr UINT kShowMilliseconds = 3000;

    CSplash();
    ~CSplash() override;

    // Shows the window and paints it at once.
    bool Create();

    bool OnInitDialog() override;
    void OnPaint() override;
    void OnTimer(UINT_PTR id) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnClose() override;

    const CBitmap& GetPicture() const { return m_picture; }

private:
    void CloseSoon();

    CBitmap m_picture;
    // Closes the splash when the program asks the user something, which it would cover.
    std::unique_ptr<QObject> m_questionWatch;
};
