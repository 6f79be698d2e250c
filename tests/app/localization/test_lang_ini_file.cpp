#include "LocalizationTestSupport.h"

#include "localization/LangIniFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* name;
    QByteArray content;
    const char* section;
    const char* key;
    QString expected;
};

TEST(LangIniFileReading, RulesForSectionsKeysAndValues)
{
    const QString absent = QStringLiteral("<default>");
    const ReadCase cases[] = {
        {"plain", "[MainForm]\nSRepairTabCaption=&Reparieren\n", "MainForm", "SRepairTabCaption", "&Reparieren"},
        {"section case", "[MAINFORM]\nKey=v\n", "mainform", "Key", "v"},
        {"key case", "[S]\nsrepairtabcaption=v\n", "S", "SRepairTabCaption", "v"},
        {"blanks trimmed", "[S]\n  Key  =   spaced value \t \n", "S", "Key", "spaced value"},
        {"blanks around the section", "  [ S ]  \nKey=v\n", "S", "Key", "v"},
        {"double quotes keep blanks", "[S]\nKey=\"  padded  \"\n", "S", "Key", "  padded  "},
        {"single quotes keep blanks", "[S]\nKey='  padded '\n", "S", "Key", "  padded "},
        {"blanks outside the quotes go", "[S]\nKey=  \" x \"  \n", "S", "Key", " x "},
        {"only one pair removed", "[S]\nKey=\"\"%d day(s)\" h \"hour(s)\"\"\n", "S", "Key", "\"%d day(s)\" h \"hour(s)\""},
        {"unmatched quotes stay", "[S]\nKey=\"x'\n", "S", "Key", "\"x'"},
        {"inner quotes stay", "[S]\nKey=say \"hi\" now\n", "S", "Key", "say \"hi\" now"},
        {"a lone quote stays", "[S]\nKey=\"\n", "S", "Key", "\""},
        {"empty quotes give empty", "[S]\nKey=\"\"\n", "S", "Key", ""},
        {"value after the first equals sign", "[S]\nKey=a=b=c\n", "S", "Key", "a=b=c"},
        {"empty value", "[S]\nKey=\n", "S", "Key", ""},
        {"windows line ends", "[S]\r\nKey=v w\r\nOther=x\r\n", "S", "Key", "v w"},
        {"no newline at the end", "[S]\nKey=last", "S", "Key", "last"},
        {"first of two equal keys", "[S]\nKey=one\nKey=two\n", "S", "Key", "one"},
        {"section given twice", "[S]\nA=1\n[T]\nB=2\n[s]\nKey=3\n", "S", "Key", "3"},
        {"key in another section", "[T]\nKey=v\n[S]\n", "S", "Key", absent},
        {"entry before any section", "Key=v\n[S]\n", "S", "Key", absent},
        {"comment line", "[S]\n;Key=v\n", "S", "Key", absent},
        {"line without equals sign", "[S]\nKey\n", "S", "Key", absent},
        {"missing section", "[S]\nKey=v\n", "Nope", "Key", absent},
        {"utf-8 text", "[S]\nKey=Démarrer la réparation\n", "S", "Key", QStringLiteral("Démarrer la réparation")},
        {"utf-8 with byte-order mark", "\xEF\xBB\xBF[S]\nKey=日本語\n", "S", "Key", QStringLiteral("日本語")},
        {"windows-1252 bytes", "[S]\nKey=Caf\xE9 \x80 \x93ok\x94\n", "S", "Key", QStringLiteral("Café € “ok”")},
        {"windows-1252 among utf-8", "[S]\nKey=\xC3\xA9t\xE9\n", "S", "Key", QStringLiteral("été")},
        {"truncated utf-8 sequence", "[S]\nKey=a\xE2\x82\n", "S", "Key", QStringLiteral("aâ‚")},
        {"overlong utf-8 is not utf-8", "[S]\nKey=\xC0\xAF\n", "S", "Key", QStringLiteral("À¯")},
    };
    for (const ReadCase& c : cases) {
        const TLangIniFile ini = TLangIniFile::FromBytes(c.content);
        EXPECT_EQ(ini.ReadString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), absent), c.expected)
            << c.name;
    }
}

TEST(LangIniFileReading, ValuesAreCutAt2047Characters)
{
    QString expected;
    for (int i = 0; i < 3000; ++i)
        expected.append(QChar(u'a' + i % 26));
    const TLangIniFile ini = TLangIniFile::FromBytes("[S]\nKey=" + expected.toUtf8() + "\nQuoted=\"  " + expected.toUtf8() + "\"\n");
    const QString value = ini.ReadString(QStringLiteral("S"), QStringLiteral("Key"), QString());
    EXPECT_EQ(value.size(), 2047);
    EXPECT_EQ(value, expected.left(2047));
    const QString quoted = ini.ReadString(QStringLiteral("S"), QStringLiteral("Quoted"), QString());
    EXPECT_EQ(quoted, (QStringLiteral("  ") + expected).left(2047));
}

TEST(LangIniFileReading, CutNeverSplitsACharacterOutsideTheBasicPlane)
{
    QString value(2046, u'x');
    value.append(QStringLiteral("😀tail"));
    const QString cut = TLangIniFile::CleanValue(value);
    EXPECT_EQ(cut, QString(2046, u'x'));
    EXPECT_FALSE(cut.back().isHighSurrogate());
}

TEST(LangIniFileReading, Utf16LittleEndianWithByteOrderMark)
{
    const QString text = QStringLiteral("[MainForm]\r\nSRepairTabCaption=\"  Réparer 修复 \"\r\n[Other]\r\nKey=v\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/tarq_FRA.ini");
    WriteFile(path, bytes);
    const TLangIniFile ini(path);
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadString(QStringLiteral("mainform"), QStringLiteral("SRepairTabCaption"), QString()),
              QStringLiteral("  Réparer 修复 "));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Other"), QStringLiteral("Key"), QString()), QStringLiteral("v"));
}

TEST(LangIniFileReading, MissingFileReadsAsEmpty)
{
    QTemporaryDir dir;
    const TLangIniFile ini(dir.path() + QStringLiteral("/absent.ini"));
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_TRUE(ini.ReadSectionValues(QStringLiteral("S")).isEmpty());
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("S")));

    const TLangIniFile folder(dir.path());  // a folder is no file either
    EXPECT_FALSE(folder.Exists());
    EXPECT_EQ(folder.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST(LangIniFileReading, SectionLinesInFileOrderWithCleanedValues)
{
    const TLangIniFile ini = TLangIniFile::FromBytes(
        "[StandardResStrings]\n"
        "MSG_BTN_YES = &Oui\n"
        "; a comment\n"
        "MSG_BTN_NO=\" &Non \"\n"
        "not an entry\n"
        "MSG_BTN_OK=OK=ok\n"
        "[Next]\n"
        "X=1\n");
    EXPECT_EQ(ini.ReadSectionValues(QStringLiteral("standardresstrings")),
              (QStringList{QStringLiteral("MSG_BTN_YES=&Oui"), QStringLiteral("MSG_BTN_NO= &Non "), QStringLiteral("MSG_BTN_OK=OK=ok")}));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("NEXT")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("next"), QStringLiteral("x")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Next"), QStringLiteral("Y")));
}

} // namespace
