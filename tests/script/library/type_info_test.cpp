// Members objects have without registration: published properties of every kind both ways,
// owned components, published fields, through scripts run with such an object as host.

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QVariant>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/runtime/engine.h"
#include "script/runtime/script_code.h"
#include "tests/script/script_test_support.h"

namespace zendrik {

// A host with one published property of each kind.
class TPropertyHost : public QObject {
  Q_OBJECT

 public:
  enum Colour { Red, Green, Blue = 5 };
  Q_ENUM(Colour)
  enum Option { Bold = 1, Italic = 2, Underline = 4 };
  Q_DECLARE_FLAGS(Options, Option)
  Q_FLAG(Options)

  Q_PROPERTY(qint8 Tiny MEMBER Tiny)
  Q_PROPERTY(quint8 Octet MEMBER Octet)
  Q_PROPERTY(short Small MEMBER Small)
  Q_PROPERTY(int Number MEMBER Number)
  Q_PROPERTY(uint Unsigned MEMBER Unsigned)
  Q_PROPERTY(qlonglong Big MEMBER Big)
  Q_PROPERTY(double Real MEMBER Real)
  Q_PROPERTY(bool Flag MEMBER Flag)
  Q_PROPERTY(QString Text MEMBER Text)
  Q_PROPERTY(QByteArray Bytes MEMBER Bytes)
  Q_PROPERTY(QChar Letter MEMBER Letter)
  Q_PROPERTY(Colour Hue MEMBER Hue)
  Q_PROPERTY(Options Style READ GetStyle WRITE SetStyle)
  Q_PROPERTY(TPropertyHost* Partner MEMBER Partner)
  Q_PROPERTY(QObject* Anyone MEMBER Anyone)
  Q_PROPERTY(QVariant Anything MEMBER Anything)
  Q_PROPERTY(QSize Extent MEMBER Extent)
  Q_PROPERTY(int ReadOnly READ ReadOnlyValue)

  qint8 Tiny = -3;
  quint8 Octet = 200;
  short Small = 0;
  int Number = 42;
  uint Unsigned = 4000000000u;
  qlonglong Big = 1LL << 40;
  double Real = 2.5;
  bool Flag = true;
  QString Text = QString::fromUtf8("Stra\u00DFe");
  QByteArray Bytes = "raw\xFF";
  QChar Letter = QChar(u'A');
  Colour Hue = Green;
  Options Style = Options(Bold | Underline);
  TPropertyHost* Partner = nullptr;
  QObject* Anyone = nullptr;
  QVariant Anything = QVariant(7);
  QSize Extent{3, 4};
  int ReadOnlyValue() const { return 9; }
  Options GetStyle() const { return Style; }
  void SetStyle(Options style) { Style = style; }

  explicit TPropertyHost(QObject* parent = nullptr) : QObject(parent) {}
};

namespace {

class TypeInfo : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::StartScriptEngineForTests(); }

  testsupport::RunOutcome Run(const std::string& body) {
    return testsupport::RunScript(engine, "begin " + body + " end;", &host);
  }

  TPropertyHost host;
  TCtxScript engine;
};

TEST_F(TypeInfo, PropertiesReadAsTheirKindOfValue) {
  const testsupport::RunOutcome run =
      Run("Print(Tiny, Octet, number, Unsigned, Big, Real, Flag, Letter, Hue, Style);"
          "Print(Text, Bytes, Anything, Partner)");
  EXPECT_EQ(run.Printed,
            (std::vector<std::string>{"-3 200 42 4000000000 1099511627776 2.5 True 65 1 5",
                                      "Stra\xC3\x9F"
                                      "e raw\xFF 7 nil object"}))
      << run.Error;
}

TEST_F(TypeInfo, NumbersAreTruncatedAndMustFitTheType) {
  const testsupport::RunOutcome fitting = Run(
      "Octet := 255.9; Small := -32768; Unsigned := 4294967295.0; Big := -1000000.0 * 1000000000");
  EXPECT_FALSE(fitting.Failed) << fitting.Error;
  EXPECT_EQ(host.Octet, 255);
  EXPECT_EQ(host.Small, -32768);
  EXPECT_EQ(host.Unsigned, 4294967295u);
  EXPECT_EQ(host.Big, -1000000000000000LL);
  EXPECT_EQ(Run("Octet := 300").Error, "Error assigning property: Octet");
  EXPECT_EQ(Run("Tiny := -129").Error, "Error assigning property: Tiny");
  EXPECT_EQ(Run("Unsigned := -1").Error, "Error assigning property: Unsigned");
  EXPECT_EQ(host.Octet, 255) << "unchanged by the failed assignment";
  EXPECT_FALSE(Run("Letter := 66; Real := '0.25'; Number := True").Failed);
  EXPECT_EQ(host.Letter, QChar(u'B'));
  EXPECT_EQ(host.Real, 0.25);
  EXPECT_EQ(host.Number, -1);
}

TEST_F(TypeInfo, EnumerationsTakeANameABooleanOrANumberInRange) {
  EXPECT_FALSE(Run("Hue := 'blue'").Failed);
  EXPECT_EQ(host.Hue, TPropertyHost::Blue);
  EXPECT_FALSE(Run("Hue := 0").Failed);
  EXPECT_EQ(host.Hue, TPropertyHost::Red);
  EXPECT_FALSE(Run("Hue := True").Failed);
  EXPECT_EQ(host.Hue, TPropertyHost::Green);
  EXPECT_EQ(Run("Hue := 'Purple'").Error, "Ung\xC3\xBCltiges Eigenschaftselement: Purple");
  EXPECT_EQ(Run("Hue := 3").Error, "Error assigning property: Hue");
  EXPECT_FALSE(Run("Flag := 'false'").Failed);
  EXPECT_FALSE(host.Flag);
  EXPECT_FALSE(Run("Flag := 1").Failed);
  EXPECT_TRUE(host.Flag);
  EXPECT_EQ(Run("Flag := 2").Error, "Error assigning property: Flag");
}

TEST_F(TypeInfo, FlagsTakeAMaskOrTheNamesInBrackets) {
  EXPECT_FALSE(Run("Style := '[italic, Underline]'").Failed);
  EXPECT_EQ(host.Style, TPropertyHost::Options(TPropertyHost::Italic | TPropertyHost::Underline));
  EXPECT_FALSE(Run("Style := 1").Failed);
  EXPECT_EQ(host.Style, TPropertyHost::Options(TPropertyHost::Bold));
  EXPECT_FALSE(Run("Style := '[]'").Failed);
  EXPECT_EQ(host.Style, TPropertyHost::Options());
  EXPECT_EQ(Run("Style := '[Bold, Wide]'").Error, "Ung\xC3\xBCltiges Eigenschaftselement: Wide");
}

TEST_F(TypeInfo, TextsKeepTheirBytes) {
  EXPECT_FALSE(Run("Text := 'Stra\xDF"
                   "e'; Bytes := 'x'#0'y'")
                   .Failed);
  EXPECT_EQ(host.Text, QString::fromUtf8("Stra\u00DFe")) << "Latin-1 bytes";
  EXPECT_EQ(host.Bytes, QByteArray("x\0y", 3));
  EXPECT_FALSE(Run("Text := 12.5; Anything := 'now text'").Failed);
  EXPECT_EQ(host.Text, "12.5");
  EXPECT_EQ(host.Anything, QVariant(QString("now text")));
  EXPECT_FALSE(Run("Text := null").Failed);
  EXPECT_EQ(host.Text, "");
}

TEST_F(TypeInfo, ObjectPropertiesTakeObjectsOfAFittingClassOnly) {
  TPropertyHost partner;
  partner.setObjectName("PartnerHost");
  engine.GlobalScope = nullptr;
  host.setProperty("Friend", QVariant::fromValue(QPointer<QObject>(&partner)));
  EXPECT_FALSE(Run("Partner := Friend; Print(Partner.Number)").Failed);
  EXPECT_EQ(host.Partner, &partner);
  testsupport::TTestHost other;
  host.setProperty("Stranger", QVariant::fromValue(QPointer<QObject>(&other)));
  EXPECT_EQ(Run("Partner := Stranger").Error, "Error assigning property: Partner");
  EXPECT_FALSE(Run("Anyone := Stranger").Failed);
  EXPECT_EQ(host.Anyone, &other);
  EXPECT_EQ(Run("Partner := null").Error, "Error assigning property: Partner");
  EXPECT_EQ(Run("Number := Friend").Error, "Error assigning property: Number");
  const testsupport::RunOutcome cleared = Run("Partner := Partner.Partner");
  EXPECT_FALSE(cleared.Failed) << "a nil object clears it: " << cleared.Error;
  EXPECT_EQ(host.Partner, nullptr);
}

TEST_F(TypeInfo, PropertiesWithoutAScriptValueAreRefused) {
  EXPECT_EQ(Run("Print(Extent)").Error, "Invalid property type: TPropertyHost.Extent");
  EXPECT_EQ(Run("Extent := 1").Error, "Error assigning property: Extent");
  EXPECT_EQ(Run("ReadOnly := 1").Error, "Error assigning property: ReadOnly");
  EXPECT_EQ(Run("Print(ReadOnly)").Printed, std::vector<std::string>{"9"});
}

TEST_F(TypeInfo, OwnedComponentsAreReadByNameAndNeverAssigned) {
  auto* child = new TPropertyHost(&host);  // owned by the host
  child->setObjectName("Child");
  child->Number = 7;
  auto* grandchild = new QObject(child);
  grandchild->setObjectName("Grandchild");
  const testsupport::RunOutcome run =
      Run("Print(CHILD.Number, Child.Self.Number, Child.Invoke('Number'))");
  EXPECT_EQ(run.Printed, std::vector<std::string>{"7 7 7"}) << run.Error;
  EXPECT_EQ(Run("Child := 1").Error, "Unable to invoke method or property Child in this manner");
  EXPECT_EQ(Run("Print(Grandchild)").Error, "Method not found. Method: Grandchild")
      << "only a window owns what lies deeper than its children";
}

TEST_F(TypeInfo, AComponentDestroyedAfterItWasFoundIsLookedUpAgain) {
  TCtxScriptCode code;
  code.SetCode("begin Print(Child.Number) end;");
  auto first = std::make_unique<TPropertyHost>(&host);
  first->setObjectName("Child");
  first->Number = 1;
  TCtxValue value;
  engine.Execute(code, {}, value, &host);
  first.reset();
  auto* second = new TPropertyHost(&host);
  second->setObjectName("child");
  second->Number = 2;
  engine.Execute(code, {}, value, &host);
  EXPECT_EQ(testsupport::TakePrinted(), (std::vector<std::string>{"1", "2"}));
}

TEST_F(TypeInfo, PublishedFieldsHoldObjectsGuarded) {
  auto target = std::make_unique<TPropertyHost>();
  target->Number = 11;
  host.setProperty("Target", QVariant::fromValue(static_cast<QObject*>(target.get())));
  EXPECT_EQ(Run("Print(Target.Number)").Printed, std::vector<std::string>{"11"});
  EXPECT_EQ(Run("Target := 5").Error, "Variant is not an object");
  EXPECT_FALSE(Run("Target := Self; Print(Target.Number)").Failed);
  auto kept = std::make_unique<TPropertyHost>();
  host.setProperty("Kept", QVariant::fromValue(QPointer<QObject>(kept.get())));
  EXPECT_FALSE(Run("Target := Kept").Failed);
  kept.reset();
  EXPECT_EQ(Run("Print(Target)").Printed, std::vector<std::string>{"nil object"})
      << "a destroyed object reads as nil";
}

TEST_F(TypeInfo, OneInstructionMeetingObjectsOfTwoClassesResolvesForEach) {
  TCtxScriptCode code;
  code.SetCode("procedure P(o); begin Print(o.Number) end;");
  TPropertyHost a;
  a.Number = 1;
  QObject plain;
  plain.setObjectName("Number");  // another class, where Number is nothing
  TCtxValue value;
  engine.Execute(code, TCtxValue::Object(&a), value, &host);
  EXPECT_THROW(engine.Execute(code, TCtxValue::Object(&plain), value, &host), std::exception);
  engine.Execute(code, TCtxValue::Object(&a), value, &host);
  EXPECT_EQ(testsupport::TakePrinted(), (std::vector<std::string>{"1", "1"}));
}

}  // namespace
}  // namespace zendrik

#include "type_info_test.moc"
