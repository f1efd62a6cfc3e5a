// The Designer plugin as Designer itself loads it: through the plugin path,
// in Designer's own form editor, saving and loading form files.
#include <gmock/gmock.h>

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPluginLoader>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerDynamicPropertySheetExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include "platform/com/message_box.h"
#include "qt/control_catalogue.h"
#include "qt/control_widget.h"
#include "qt/form_loader.h"
#include "qt/sheet/property_sheet.h"

namespace brennix::qt::testing {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;

QString pluginFile() {
    return QDir(QStringLiteral(BRENNIX_DESIGNER_PLUGIN_DIR))
        .filePath(QStringLiteral("libbrennix_designer.so"));
}

QStringList widgetNames(QObject* plugin) {
    QStringList names;
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin);
    if (collection == nullptr) {
        return names;
    }
    for (auto* w : collection->customWidgets()) {
        names.append(w->name());
    }
    return names;
}

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const auto& s : list) {
        out.push_back(s.toStdString());
    }
    return out;
}

TEST(DesignerPlugin, LoadsAndOffersEveryControlOfTheBuiltLibraries) {
    QPluginLoader loader(pluginFile());
    QObject* plugin = loader.instance();
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    const auto names = toStd(widgetNames(plugin));
    EXPECT_THAT(names, Contains("brennix::qt::ControlWidget"));
    // Every class every library of the catalogue registered is offered.
    for (const auto& c : catalogueClasses()) {
        EXPECT_THAT(names, Contains(c.name.toStdString()));
    }
    EXPECT_THAT(names, IsSupersetOf(
                           {"Chart", "ORSINO", "Pellam", "Quillet", "Rastow", "Sarnet", "Tolvan"}));
}

TEST(DesignerPlugin, HardwareControlsAreDesignTimeIconsInvisibleAtRunTime) {
    QPluginLoader loader(pluginFile());
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr);
    QDesignerCustomWidgetInterface* pellam = nullptr;
    for (auto* w : collection->customWidgets()) {
        if (w->name() == QStringLiteral("Pellam")) {
            pellam = w;
        }
    }
    ASSERT_NE(pellam, nullptr);
    EXPECT_EQ(pellam->group(), QStringLiteral("Brennix Hardware"));
    EXPECT_FALSE(pellam->icon().isNull());
    QWidget form;
    auto* widget = qobject_cast<ControlWidget*>(pellam->createWidget(&form));
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->userMode());
    form.show();
    EXPECT_TRUE(widget->isVisible());
    // The board icon is drawn at design time...
    const QImage frame = widget->renderFrame();
    EXPECT_EQ(frame.size(), QSize(32, 32));
    EXPECT_EQ(frame.pixelColor(3, 10), QColor(192, 192, 192));
    // ...and the control is gone when the form runs.
    widget->setUserMode(true);
    EXPECT_FALSE(widget->isVisible());
}

// Designer's form editor, headless, with the plugin found on the plugin path.
class DesignerForm : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QDesignerComponents::initializeResources();
        core() = QDesignerComponents::createFormEditor(nullptr);
        QDesignerComponents::initializePlugins(core());
        core()->setWidgetBox(QDesignerComponents::createWidgetBox(core(), nullptr));
        core()->setPropertyEditor(QDesignerComponents::createPropertyEditor(core(), nullptr));
        new QDesignerIntegration(core(), core());
    }

    static QDesignerFormEditorInterface*& core() {
        static QDesignerFormEditorInterface* editor = nullptr;
        return editor;
    }

    QDesignerFormWindowInterface* openForm(const QString& contents) {
        auto* window = core()->formWindowManager()->createFormWindow(nullptr);
        windows_.emplace_back(window);
        EXPECT_TRUE(window->setContents(contents));
        return window;
    }

    static QDesignerPropertySheetExtension* sheetOf(QObject* object) {
        return qt_extension<QDesignerPropertySheetExtension*>(core()->extensionManager(), object);
    }

    std::vector<std::unique_ptr<QDesignerFormWindowInterface>> windows_;
};

const QString kChartForm = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>500</width><height>400</height></rect></property>
  <widget class="Chart" name="chart">
   <property name="geometry"><rect><x>10</x><y>10</y><width>300</width><height>200</height></rect></property>
   <property name="controlId"><string>TRENDWICKLib.Chart</string></property>
  </widget>
 </widget>
</ui>
)");

TEST_F(DesignerForm, APropertySetInThePropertySheetIsSavedAndLoadsBack) {
    auto* form = openForm(kChartForm);
    auto* chart = form->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(chart->control(), nullptr);
    EXPECT_FALSE(chart->userMode());

    QDesignerPropertySheetExtension* sheet = sheetOf(chart);
    ASSERT_NE(sheet, nullptr);
    const int plotNum = sheet->indexOf(QStringLiteral("PlotNum"));
    ASSERT_GE(plotNum, 0);
    EXPECT_EQ(sheet->property(plotNum).toInt(), 1);
    sheet->setProperty(plotNum, 3);
    sheet->setChanged(plotNum, true);
    const int title = sheet->indexOf(QStringLiteral("PlotAreaColor"));
    ASSERT_GE(title, 0);
    sheet->setProperty(title, QColor(0, 0, 128));
    sheet->setChanged(title, true);
    EXPECT_EQ(chart->controlProperty("PlotNum").toInt(), 3);

    const QString saved = form->contents();
    EXPECT_THAT(saved.toStdString(), HasSubstr("PlotNum"));

    auto* reloaded = openForm(saved);
    auto* again = reloaded->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(again, nullptr);
    ASSERT_NE(again->control(), nullptr);
    EXPECT_EQ(again->control()->members().className(), "Chart");
    EXPECT_EQ(again->controlProperty("PlotNum").toInt(), 3);
    EXPECT_EQ(again->controlProperty("PlotAreaColor").value<QColor>(), QColor(0, 0, 128));
}

TEST_F(DesignerForm, AnEnumerationIsADropDownSavedByValueNameAndLoadedBack) {
    auto* form = openForm(kChartForm);
    auto* chart = form->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(chart->control(), nullptr);
    // The chart's own meta-object lists UpdateMode as an enum of its values.
    const QMetaObject* meta = chart->metaObject();
    const int index = meta->indexOfProperty("UpdateMode");
    ASSERT_GE(index, 0);
    const QMetaEnum values = meta->property(index).enumerator();
    ASSERT_TRUE(values.isValid());
    EXPECT_EQ(values.keyCount(), 3);
    EXPECT_STREQ(values.key(1), "UM_Scope");
    EXPECT_STREQ(values.scope(), "Chart");

    QDesignerPropertySheetExtension* sheet = sheetOf(chart);
    ASSERT_NE(sheet, nullptr);
    const int mode = sheet->indexOf(QStringLiteral("UpdateMode"));
    ASSERT_GE(mode, 0);
    // What the property editor offers as a drop-down of the value names.
    EXPECT_THAT(sheet->property(mode).typeName(), HasSubstr("EnumValue"));
    sheet->setProperty(mode, 2);
    sheet->setChanged(mode, true);
    EXPECT_EQ(chart->control()->get("UpdateMode")->toInt16().value(), 2);
    // Other properties keep their types: a colour is still a colour.
    EXPECT_EQ(sheet->property(sheet->indexOf(QStringLiteral("PlotAreaColor"))).metaType(),
              QMetaType::fromType<QColor>());

    const QString saved = form->contents();
    EXPECT_THAT(saved.toStdString(), HasSubstr("Chart::UM_Sweep"));
    auto* reloaded = openForm(saved);
    auto* again = reloaded->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(again, nullptr);
    ASSERT_NE(again->control(), nullptr);
    EXPECT_EQ(again->control()->get("UpdateMode")->toInt16().value(), 2);

    // A program loading the saved form sets the same value.
    QBuffer file;
    file.setData(saved.toUtf8());
    FormLoader loader;
    std::unique_ptr<QWidget> loaded(loader.load(&file));
    ASSERT_NE(loaded, nullptr) << loader.errorString().toStdString();
    auto* running = loaded->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(running, nullptr);
    ASSERT_NE(running->control(), nullptr);
    EXPECT_EQ(running->control()->get("UpdateMode")->toInt16().value(), 2);
}

const QString kGenericChartForm = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>500</width><height>400</height></rect></property>
  <widget class="brennix::qt::ControlWidget" name="chart">
   <property name="geometry"><rect><x>10</x><y>10</y><width>300</width><height>200</height></rect></property>
   <property name="controlId"><string>TRENDWICK.ChartCtrl.1</string></property>
   <property name="PlotNum" stdset="0"><number>3</number></property>
   <property name="Tag" stdset="0"><string>kept</string></property>
  </widget>
 </widget>
</ui>
)");

TEST_F(DesignerForm, TheGenericHostListsTheControlsPropertiesTypedAndNoneTwice) {
    auto* form = openForm(kGenericChartForm);
    QCoreApplication::processEvents();
    auto* chart = form->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(chart->control(), nullptr);
    QDesignerPropertySheetExtension* sheet = sheetOf(chart);
    auto* dynamic =
        qt_extension<QDesignerDynamicPropertySheetExtension*>(core()->extensionManager(), chart);
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(dynamic, nullptr);
    QStringList names;
    for (int i = 0; i < sheet->count(); ++i) {
        names.append(sheet->propertyName(i));
        const std::string name = sheet->propertyName(i).toStdString();
        if (chart->control()->members().find(name) != nullptr) {
            EXPECT_FALSE(dynamic->isDynamicProperty(i)) << name << " is listed as dynamic";
        }
    }
    EXPECT_EQ(names.count(QStringLiteral("PlotNum")), 1);
    EXPECT_EQ(names.count(QStringLiteral("UpdateMode")), 1);
    const int plotNum = sheet->indexOf(QStringLiteral("PlotNum"));
    ASSERT_GE(plotNum, 0);
    EXPECT_TRUE(sheet->isChanged(plotNum));
    EXPECT_EQ(sheet->property(plotNum).toInt(), 3);
    // Typed: an enumeration is a drop-down of its value names.
    EXPECT_THAT(sheet->property(sheet->indexOf(QStringLiteral("UpdateMode"))).typeName(),
                HasSubstr("EnumValue"));
    // A dynamic property the control does not know stays one.
    const int tag = sheet->indexOf(QStringLiteral("Tag"));
    ASSERT_GE(tag, 0);
    EXPECT_TRUE(dynamic->isDynamicProperty(tag));

    const QString saved = form->contents();
    EXPECT_THAT(saved.toStdString(), HasSubstr("kept"));
    // Saved as the class it hosts, as if placed from the widget box, so that
    // a compiled form finds the enumerations' scope.
    EXPECT_THAT(saved.toStdString(), HasSubstr("<widget class=\"Chart\" name=\"chart\">"));
    auto* reloaded = openForm(saved);
    QCoreApplication::processEvents();
    auto* again = reloaded->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->controlProperty("PlotNum").toInt(), 3);
}

TEST_F(DesignerForm, ChangingTheGenericHostsClassAndUndoingItKeepsEachClasssProperties) {
    auto* form = openForm(kGenericChartForm);
    QCoreApplication::processEvents();
    auto* host = form->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(host, nullptr);
    form->cursor()->setWidgetProperty(host, QStringLiteral("controlId"),
                                      QStringLiteral("PANELMOOR.KnobCtrl.1"));
    QCoreApplication::processEvents();
    ASSERT_NE(host->control(), nullptr);
    EXPECT_EQ(host->control()->members().className(), "Knob");
    EXPECT_GE(sheetOf(host)->indexOf(QStringLiteral("DigitDisplay")), 0);
    EXPECT_LT(sheetOf(host)->indexOf(QStringLiteral("PlotNum")), 0);

    // The undo step was made with the sheet of the Chart.
    form->commandHistory()->undo();
    QCoreApplication::processEvents();
    ASSERT_NE(host->control(), nullptr);
    EXPECT_EQ(host->control()->members().className(), "Chart");
    EXPECT_GE(sheetOf(host)->indexOf(QStringLiteral("PlotNum")), 0);
    EXPECT_LT(sheetOf(host)->indexOf(QStringLiteral("DigitDisplay")), 0);
}

// While the modal sheet an action opens runs: types into a field of it and
// presses OK. Whatever happens, the sheet is closed, so nothing waits on it.
// A drop-down named too is set to that entry.
void editOpenSheet(const QString& field, const QString& text, const QString& list = {},
                   int entry = -1) {
    QTimer::singleShot(0, [field, text, list, entry] {
        PropertySheet* sheet = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* s = qobject_cast<PropertySheet*>(w); s != nullptr && s->isVisible())
                sheet = s;
        }
        ASSERT_NE(sheet, nullptr);
        auto* edit = sheet->findChild<QLineEdit*>(field);
        if (edit != nullptr) {
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        if (auto* box = sheet->findChild<QComboBox*>(list); box != nullptr && !list.isEmpty())
            box->setCurrentIndex(entry);
        QTest::mouseClick(sheet->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        if (sheet->isVisible())
            sheet->reject();
        EXPECT_NE(edit, nullptr) << "the sheet has no field " << field.toStdString();
    });
}

TEST_F(DesignerForm, EditPropertiesOpensTheSheetAndWhatItAppliesIsSavedWithTheForm) {
    com::MessageRecorder messages;
    auto* form = openForm(kChartForm);
    auto* chart = form->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core()->extensionManager(), chart);
    ASSERT_NE(menu, nullptr);
    QAction* edit = menu->preferredEditAction();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("Edit properties..."));

    editOpenSheet(QStringLiteral("PlotNum"), QStringLiteral("5"), QStringLiteral("UpdateMode"), 2);
    edit->trigger();
    EXPECT_EQ(chart->controlProperty("PlotNum").toInt(), 5);
    EXPECT_EQ(chart->control()->get("UpdateMode")->toInt32().value(), 2);
    QDesignerPropertySheetExtension* sheet = sheetOf(chart);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isChanged(sheet->indexOf(QStringLiteral("PlotNum"))));
    EXPECT_THAT(form->contents().simplified().toStdString(),
                HasSubstr("name=\"PlotNum\" stdset=\"0\"> <number>5</number>"));
    EXPECT_THAT(form->contents().toStdString(), HasSubstr("<enum>Chart::UM_Sweep</enum>"));
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(DesignerForm, ARefusedValueInTheSheetChangesNothingInTheForm) {
    com::MessageRecorder messages;
    auto* form = openForm(kChartForm);
    auto* chart = form->mainContainer()->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core()->extensionManager(), chart);
    ASSERT_NE(menu, nullptr);
    editOpenSheet(QStringLiteral("PlotNum"), QStringLiteral("9"));
    menu->preferredEditAction()->trigger();
    EXPECT_THAT(messages.texts(),
                ::testing::ElementsAre("Please enter an integer between 1 and 8."));
    EXPECT_EQ(chart->controlProperty("PlotNum").toInt(), 1);
    EXPECT_THAT(form->contents().toStdString(), ::testing::Not(HasSubstr("PlotNum")));
}

}  // namespace
}  // namespace brennix::qt::testing
