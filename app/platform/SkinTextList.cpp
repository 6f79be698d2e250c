#include "platform/SkinTextList.h"

QString TSkinTextList::Value(const QString& name, const QString& fallback) const
{
    for (const QString& line : Lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return fallback;
}

TSkinTextList& TSkinTextList::Active()
{
    static TSkinTextList list;
    return list;
}
