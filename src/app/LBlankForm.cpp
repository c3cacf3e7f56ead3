#include "LBlankForm.h"

#include "common/Twips.h"

#include <QCloseEvent>

LBlankForm::LBlankForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LBlankForm"));
    setWindowTitle(QStringLiteral("Numerion"));
    setGeometry(TwipsRect(60, 345, 9480, 6360));
    setFixedSize(size());
}

void LBlankForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Q_EMIT closeRequested();
}
