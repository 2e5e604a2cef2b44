#include "platform/ui/controls/Static.h"

#include <QLabel>

QWidget* CStatic::CreateWidget(QWidget* parent, DWORD style)
{
    auto* label = new QLabel(parent);
    Qt::Alignment align = (style & 3) == SS_CENTER  ? Qt::AlignHCenter
                          : (style & 3) == SS_RIGHT ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    label->setAlignment(align | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void CStatic::SetWidgetText(const QString& text)
{
    static_cast<QLabel*>(GetWidget())->setText(text);
}

QString CStatic::WidgetText() const
{
    return static_cast<QLabel*>(GetWidget())->text();
}
