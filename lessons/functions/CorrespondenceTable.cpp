#include "lessons/functions/CorrespondenceTable.h"

#include "lessons/functions/Corespond.h"

CorrespondenceTable::CorrespondenceTable(QWidget *lessonWindow)
    : m_tableWindow(std::make_unique<CCorespond>(lessonWindow))
{}

CorrespondenceTable::~CorrespondenceTable() = default;

CCorespond *CorrespondenceTable::handOver()
{
    m_tableWindow->SetData(m_points);
    if (m_tableWindow->isVisible()) {
        m_tableWindow->invalidate(true);
        return nullptr;
    }
    m_tableWindow->initialize();
    m_tableWindow->OnCreate();
    m_tableWindow->move(CCorespond::kScreenPosition.x, CCorespond::kScreenPosition.y);
    m_tableWindow->invalidate(true);
    return m_tableWindow.get();
}
