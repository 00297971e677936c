// An installed variable font's named instances are families of their own,
// listed beside the installed families and drawn as the same font handed as
// a file draws them: Debian's Inter, which the test machines have.
#include <QFontDatabase>
#include <QSet>

#include "core_test.h"
#include "design/font_file.h"
#include "design/font_installed_instances.h"
#include "design/text_picture.h"
#include "variable_font_files.h"

namespace {

QImage printed(const QString& family) {
  TextPicture text;
  text.font = QFont(family, 40);
  text.print(u"Velloro"_qs);
  return text.picture;
}

const InstalledInstance* installedNamed(const QString& family) {
  for (const InstalledInstance& instance : installedInstances())
    if (instance.family == family) return &instance;
  return nullptr;
}

}  // namespace

// The file's own names of its instances but its default, Regular; of the
// files that name them, the first in path order. Installed families are
// never named again.
TEST(InstalledInstances, EachNamedInstanceOfAnInstalledVariableFontIsAFamily) {
  const QString file = QString::fromLatin1(installedVariableFont);
  const std::pair<const char*, int> roman[] = {{"Thin", 1},       {"Extra Light", 2}, {"Light", 3},
                                               {"Medium", 5},     {"Semi Bold", 6},   {"Bold", 7},
                                               {"Extra Bold", 8}, {"Black", 9}};
  for (const auto& [style, number] : roman) {
    SCOPED_TRACE(style);
    const InstalledInstance* instance = installedNamed(u"Inter "_qs + QLatin1String(style));
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->style, QLatin1String(style));
    EXPECT_EQ(instance->path, file);
    EXPECT_EQ(instance->face, 0);
    EXPECT_EQ(instance->instance, number);
  }
  EXPECT_EQ(installedNamed(u"Inter Regular"_qs), nullptr);
  EXPECT_NE(installedNamed(u"Inter Display Black"_qs), nullptr);
  QSet<QString> seen;
  const QStringList installed = QFontDatabase::families();
  for (const InstalledInstance& instance : installedInstances()) {
    EXPECT_FALSE(seen.contains(instance.family.toLower())) << instance.family.toStdString();
    EXPECT_FALSE(installed.contains(instance.family)) << instance.family.toStdString();
    seen << instance.family.toLower();
  }
}

TEST(InstalledInstances, TheListHoldsTheInstalledFamiliesAndTheInstancesInOrder) {
  const QStringList listed = listedFamilies();
  for (const QString& family : QFontDatabase::families())
    EXPECT_TRUE(listed.contains(family)) << family.toStdString();
  for (const InstalledInstance& instance : installedInstances())
    EXPECT_TRUE(listed.contains(instance.family)) << instance.family.toStdString();
  for (qsizetype i = 1; i < listed.size(); ++i)
    EXPECT_LT(listed[i - 1].compare(listed[i], Qt::CaseInsensitive), 0)
        << listed[i - 1].toStdString() << " / " << listed[i].toStdString();
  const qsizetype inter = listed.indexOf(u"Inter"_qs);
  ASSERT_GE(inter, 0);
  EXPECT_EQ(listed.indexOf(u"Inter Black"_qs), inter + 1);
}

// Made at its first use, in any case the name is written: the same font as
// the file's own instance, so the same pixels; a family that is no
// installed instance is left alone.
TEST(InstalledInstances, AnInstanceIsMadeAtItsFirstUseAndDrawsAsTheFilesOwn) {
  const QStringList before = QFontDatabase::families();
  for (const char* family : {"Inter", "Nowhere Thin", ""})
    EXPECT_EQ(provideInstalledInstance(QLatin1String(family)), QString()) << family;
  EXPECT_EQ(QFontDatabase::families(), before);
  EXPECT_FALSE(before.contains(u"Inter Thin"_qs));
  EXPECT_EQ(provideInstalledInstance(u"inter thin"_qs), QString());
  EXPECT_TRUE(QFontDatabase::families().contains(u"Inter Thin"_qs));
  const int families = int(QFontDatabase::families().size());
  EXPECT_EQ(provideInstalledInstance(u"Inter Thin"_qs), QString());  // made once
  EXPECT_EQ(int(QFontDatabase::families().size()), families);
  ASSERT_EQ(addFontBytes(renamedVariableFont("Fyler")).problem, QString());
  const QImage installed = printed(u"Inter Thin"_qs);
  EXPECT_EQ(installed, printed(u"Fyler Thin"_qs));
  EXPECT_NE(installed, printed(u"Inter"_qs));
}
