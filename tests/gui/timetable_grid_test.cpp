// DBGrid1 over Table1: the rows of the file, typing and leaving a row
// writes it, refused values lose nothing, the FILENAME drop-down, and the
// schedule's cursor left exactly where it was.

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include "data/table_layouts.h"
#include "shell/qt/timetable_grid.h"
#include "tests/gui/gui_program.h"

using gui_test::GuiProgram;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class TimetableGridTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        program = std::make_unique<GuiProgram>();
        grid = &program->main().grid();
    }
    void cleanup() { program.reset(); }

    void showsTheRowsOfTheTimetable() {
        QAbstractItemModel& m = *grid->model();
        QCOMPARE(m.rowCount(), 3);
        QStringList titles;
        QList<int> widths;
        for (int c = 0; c < m.columnCount(); ++c) {
            titles << m.headerData(c, Qt::Horizontal).toString();
            widths << grid->columnWidth(c);
        }
        QCOMPARE(titles, QStringList({u("序号"), u("开播时间"), u("项  目"), u("播放文件名"), u("停止时间"), u("星期几停播"), u("音量")}));
        QCOMPARE(widths, QList<int>({32, 60, 50, 122, 60, 70, 35}));
        const auto alignment = [&](int c) {
            return m.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(0), Qt::AlignLeft);
        QCOMPARE(alignment(1), Qt::AlignHCenter);
        QCOMPARE(alignment(4), Qt::AlignHCenter);
        QCOMPARE(alignment(5), Qt::AlignLeft);
        QCOMPARE(m.index(1, 1).data().toString(), u("08:00:00"));
        QCOMPARE(m.index(1, 3).data().toString(), u("chime.wav"));
        QCOMPARE(m.index(1, 4).data().toString(), u("08:00:30"));
        QCOMPARE(m.index(2, 1).data().toString(), QString());
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(m.headerData(0, Qt::Vertical).toString(), u("▶"));
    }

    void readOnlyWhileLocked() {
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, 2)) & Qt::ItemIsEditable));
        QVERIFY(!grid->model()->setData(grid->model()->index(0, 2), u("早读")));
        QCOMPARE(program->ctx().Table1.table.state(), dbase::TableState::Browse);
    }

    void typingEditsAndLeavingTheRowWritesIt() {
        program->unlock();
        program->main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&program->main()));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 2));
        QCOMPARE(program->ctx().Table1.table.rowIndex(), 1);  // selecting moves the cursor

        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        editor->insert(u("早读"));  // as an input method delivers it
        QTest::keyClick(editor, Qt::Key_Return);

        dbase::Table& t = program->ctx().Table1.table;
        QTRY_COMPARE(t.state(), dbase::TableState::Edit);  // typed, not yet written
        QVERIFY(program->main().action("Post1")->isEnabled());
        QCOMPARE(gui_test::storedField(program->timetableFile(), 1, data::kXiangmu), std::string());

        grid->setCurrentIndex(grid->model()->index(2, 2));  // leave the row
        QCOMPARE(t.state(), dbase::TableState::Browse);
        QCOMPARE(t.rowIndex(), 2);
        QCOMPARE(gui_test::storedField(program->timetableFile(), 1, data::kXiangmu), std::string("早读"));
        QCOMPARE(grid->model()->index(1, 2).data().toString(), u("早读"));
        QVERIFY(program->messages.shown.empty());
    }

    void refusedValuesLoseNothing_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("title");
        QTest::newRow("time too long") << 1 << u("07:50:00:00") << u("开播时间");
        QTest::newRow("sequence out of range") << 0 << u("99999") << u("序号");
        QTest::newRow("sequence not a number") << 0 << u("一") << u("序号");
        QTest::newRow("volume too long") << 6 << u("2550") << u("音量");
    }
    void refusedValuesLoseNothing() {
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(QString, title);
        program->unlock();
        const std::string before = testing_support::fileBytes(program->timetableFile());
        const QString shown = grid->model()->index(0, column).data().toString();

        QVERIFY(!grid->model()->setData(grid->model()->index(0, column), value));
        QTRY_COMPARE(program->messages.shown.size(), std::size_t(1));  // once the commit is over
        QVERIFY2(QString::fromStdString(program->messages.shown[0]).startsWith(u("输入的内容不符合要求：") + title),
                 program->messages.shown[0].c_str());
        QCOMPARE(grid->model()->index(0, column).data().toString(), shown);

        grid->setCurrentIndex(grid->model()->index(1, 0));  // leaving the row writes nothing wrong
        QCOMPARE(program->ctx().Table1.table.state(), dbase::TableState::Browse);
        QCOMPARE(testing_support::fileBytes(program->timetableFile()), before);
    }

    void fileNameColumnOffersThePickList() {
        program->unlock();
        program->trigger("ztbc");
        program->main().show();
        grid->setCurrentIndex(grid->model()->index(0, 3));
        grid->edit(grid->currentIndex());
        auto* combo = grid->findChild<QComboBox*>();
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        items.sort();
        QCOMPARE(items, QStringList({u("bell.wav"), u("chime.wav")}));
        QCOMPARE(combo->currentText(), u("bell.wav"));

        combo->setCurrentIndex(combo->findText(u("chime.wav")));
        emit combo->activated(combo->currentIndex());  // picking an entry writes it
        QCOMPARE(program->ctx().Table1.table.fieldText(data::kFilename), std::string("chime.wav"));
        program->trigger("Post1");
        QCOMPARE(gui_test::storedField(program->timetableFile(), 0, data::kFilename), std::string("chime.wav"));
    }

    void readingTheRowsKeepsTheScheduleCursor() {
        dbase::Table& t = program->ctx().Table1.table;
        t.last();
        t.next();  // past the end, as the advance leaves it after the last row
        QVERIFY(t.eof());
        grid->syncFromModel();
        QVERIFY(t.eof());
        QCOMPARE(t.rowIndex(), 2);

        t.first();
        QVERIFY(t.bof());
        grid->syncFromModel();
        QVERIFY(t.bof());
        QCOMPARE(t.rowIndex(), 0);

        t.moveTo(1);
        grid->syncFromModel();
        QVERIFY(!t.eof() && !t.bof());
        QCOMPARE(grid->currentIndex().row(), 1);
    }

private:
    std::unique_ptr<GuiProgram> program;
    view::TimetableGrid* grid = nullptr;
};

QTEST_MAIN(TimetableGridTest)
#include "timetable_grid_test.moc"
