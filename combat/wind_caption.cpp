#include "combat/wind.h"

QString popisek_vetru(std::int32_t v)
{
    if (v == 0)
        return QStringLiteral("Bezv\u011Bt\u0159\u00ED");
    return QString(v < 0 ? -v : v, v < 0 ? QChar('<') : QChar('>'));
}
