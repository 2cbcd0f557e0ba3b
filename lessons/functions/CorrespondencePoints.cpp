#include "lessons/functions/CorrespondencePoints.h"

void CorrespondencePoints::fillColumns(int step,
                                       const std::function<std::optional<double>(double)> &valueAt)
{
    m_tableCount = 0;
    for (int j = -4; j <= 4; ++j) {
        const double x = static_cast<double>(j) * step;
        const std::optional<double> y = valueAt(x);
        m_tableX[m_tableCount] = static_cast<float>(x);
        m_tableY[m_tableCount] = y ? static_cast<float>(*y) : 0.0f;
        m_tableDefined[m_tableCount] = y.has_value();
        ++m_tableCount;
    }
}
