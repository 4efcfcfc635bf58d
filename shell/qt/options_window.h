#pragma once
// TForm4, the options dialog "选项": a view of ctx.Form4 with five pages.
// It is not modal; closing it only hides it, and every control keeps its
// state for the next opening. The operator's edits go into the data first,
// then the core handler runs, then every widget is set from the data again.

#include <QDialog>
#include <functional>

#include "shell/main_context.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QTreeView;

namespace view {

class RadioGroup;
class WindowBridge;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // Asks for a file to assign; an empty result means cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;

    TForm4(shell::MainContext& ctx, WindowBridge& bridge);
    ~TForm4() override;

    void syncFromModel();
    void syncVolume();  // the slider alone, leaving boxes being typed in alone
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Named parts, for the tests and the screenshots.
    QTabWidget& pages() const { return *dirs_; }
    QLineEdit& maskEdit(int n) const { return n == 1 ? *MaskEdit1_ : *MaskEdit2_; }
    QSlider& trackbar1() const { return *trackbar1_; }
    QLineEdit& edit71() const { return *Edit71_; }
    QTreeView& folderList() const { return *DirectoryListBox2_; }
    QComboBox& driveList() const { return *DriveComboBox1_; }
    QCheckBox& checkBox1() const { return *CheckBox1_; }
    RadioGroup& radioGroup(int n) const;  // 1, 2 or 9
    QPushButton* button(const char* controlName) const;

    // The filters of the file button's dialog, the first one chosen.
    static QString fileFilters();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Esc closes like the close box

private:
    void forward(const std::function<void()>& handler);
    QPushButton* addButton(QWidget* page, const char* name, const char* caption, QRect geometry);
    QWidget* buildShutdownPage();
    QWidget* buildVolumePage();
    QWidget* buildFolderPage();
    QWidget* buildEndPage();
    QWidget* buildPermissionPage();
    void folderChosen(const QString& folder);
    void syncFolderList();

    shell::MainContext& ctx_;
    WindowBridge& bridge_;
    FileChooser chooseFile_;
    QTabWidget* dirs_ = nullptr;
    QLineEdit* MaskEdit1_ = nullptr;
    QLineEdit* MaskEdit2_ = nullptr;
    QSlider* trackbar1_ = nullptr;
    QLineEdit* Edit71_ = nullptr;
    QFileSystemModel* folders_ = nullptr;
    QTreeView* DirectoryListBox2_ = nullptr;
    QComboBox* DriveComboBox1_ = nullptr;
    RadioGroup* RadioGroup9_ = nullptr;
    RadioGroup* RadioGroup1_ = nullptr;
    QCheckBox* CheckBox1_ = nullptr;
    RadioGroup* RadioGroup2_ = nullptr;
    bool syncing_ = false;  // widgets being set from the data report nothing back
};

}  // namespace view
