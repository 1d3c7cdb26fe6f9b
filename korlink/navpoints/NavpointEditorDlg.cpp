#include "NavpointEditorDlg.h"

#include "NavpointListWidget.h"
#include "interface/ControlNames.h"
#include "interface/DialogTranslation.h"
#include "interface/Messages.h"
#include "interface/Translator.h"
#include "navpoints/Attributes.h"
#include "navpoints/Coordinates.h"
#include "navpoints/NavpointFile.h"
#include "navpoints/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace korlink {
namespace {

using navpoints::Navpoint;

constexpr int kFeetSelection = 0;
constexpr double kLongestElevation = 100000;

std::string Trimmed(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

// A numeric field; a blank field counts as 0.
std::optional<double> FieldNumber(const QLineEdit* edit) {
    const std::string text = Trimmed(edit);
    return text.empty() ? std::optional<double>(0.0) : navpoints::WholeDouble(text);
}

std::optional<long long> FieldInteger(const QLineEdit* edit) {
    const std::string text = Trimmed(edit);
    return text.empty() ? std::optional<long long>(0) : navpoints::WholeInteger(text);
}

struct AngleFields {
    int degrees = 0;
    double minutes = 0;
};

// Whole degrees and decimal minutes (0 to under 60) of an angle of at most `limit` degrees.
std::optional<AngleFields> FieldAngle(const QLineEdit* degrees, const QLineEdit* minutes,
                                      int limit) {
    const auto whole = FieldInteger(degrees);
    const auto part = FieldNumber(minutes);
    if (!whole || !part || *whole < 0 || *part < 0 || !(*part < 60) ||
        static_cast<double>(*whole) + *part / 60.0 > limit)
        return std::nullopt;
    return AngleFields{static_cast<int>(*whole), *part};
}

void ShowAngle(double degrees, QLineEdit* wholeEdit, QLineEdit* minutesEdit, QRadioButton* positive,
               QRadioButton* negative) {
    const auto parts = navpoints::DisplayDegreesAndMinutes(degrees);
    wholeEdit->setText(QString::fromStdString(navpoints::FixedText(parts.degrees, 0)));
    minutesEdit->setText(QString::fromStdString(parts.minutes));
    (degrees < 0 ? negative : positive)->setChecked(true);
}

// "%-5.0f".
QString ElevationText(double value) {
    return QString::fromStdString(navpoints::FixedText(value, 0)).leftJustified(5);
}

// A field wide enough to show `widest` with some room.
QLineEdit* Field(int maxLength, const char* widest) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QString::fromLatin1(widest)) +
                        metrics.horizontalAdvance(QStringLiteral("00")) * 2);
    return edit;
}

QGroupBox* CoordinateGroup(const char* title, QLineEdit* degrees, QLineEdit* minutes,
                           QRadioButton* positive, QRadioButton* negative) {
    auto* group = new QGroupBox(QString::fromLatin1(title));
    auto* layout = new QGridLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Deg:")), 0, 0);
    layout->addWidget(degrees, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Min:")), 1, 0);
    layout->addWidget(minutes, 1, 1);
    layout->addWidget(positive, 0, 2);
    layout->addWidget(negative, 1, 2);
    return group;
}

} // namespace

CNavpointEditorDlg::CNavpointEditorDlg(std::string siteName, navpoints::NavpointList navpoints,
                                       const CTranslator& translator, FileChooser chooseFile,
                                       QWidget* parent)
    : QDialog(parent), siteName_(std::move(siteName)), navpoints_(std::move(navpoints)),
      translator_(translator), chooseFile_(std::move(chooseFile)),
      defaults_(NavpointDefaults::Load()), elevationFactor_(defaults_.ElevationFactor()),
      id_(Field(5, "65535")), name_(Field(12, "NNNNNNNNNNNN")), latitudeDegrees_(Field(2, "90")),
      latitudeMinutes_(Field(8, "00.0000")), north_(new QRadioButton(QStringLiteral("&North"))),
      south_(new QRadioButton(QStringLiteral("S&ourh"))), longitudeDegrees_(Field(3, "180")),
      longitudeMinutes_(Field(8, "00.0000")), east_(new QRadioButton(QStringLiteral("&East"))),
      west_(new QRadioButton(QStringLiteral("&West"))), remark_(Field(12, "NNNNNNNNNNNN")),
      elevation_(Field(8, "000000")), elevationUnit_(new QComboBox),
      list_(new NavpointListWidget(translator)) {
    setObjectName(QStringLiteral("CNavpointEditorDlg"));
    setWindowTitle(QString::fromStdString(siteName_) + QStringLiteral(" Navpoints"));

    auto* top = new QHBoxLayout;
    top->addWidget(BuildFields(), 1);
    top->addWidget(BuildAttributes());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(BuildButtons());

    NameControls({{id_, "id"},
                  {name_, "name"},
                  {latitudeDegrees_, "latitudeDegrees"},
                  {latitudeMinutes_, "latitudeMinutes"},
                  {north_, "north"},
                  {south_, "south"},
                  {longitudeDegrees_, "longitudeDegrees"},
                  {longitudeMinutes_, "longitudeMinutes"},
                  {east_, "east"},
                  {west_, "west"},
                  {remark_, "remark"},
                  {elevation_, "elevation"},
                  {elevationUnit_, "elevationUnit"},
                  {list_, "list"}});

    elevationUnit_->addItem(QString::fromStdString(Tr("Feet")));
    elevationUnit_->addItem(QString::fromStdString(Tr("Meters")));
    elevationUnit_->setCurrentIndex(defaults_.altitude == kFeetSelection ? 0 : 1);
    (defaults_.latitude == 0 ? north_ : south_)->setChecked(true);
    (defaults_.longitude == 0 ? east_ : west_)->setChecked(true);
    id_->setText(QString::number(navpoints_.NextFreeId()));

    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CNavpointEditorDlg::ShowSelected);
    connect(elevationUnit_, &QComboBox::currentIndexChanged, this,
            &CNavpointEditorDlg::ChangeElevationUnit);
    ShowList();
    list_->setMinimumSize(640, 200);
    TranslateDialog(this, translator_);
}

QWidget* CNavpointEditorDlg::BuildFields() {
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("ID:")), 0, 0);
    grid->addWidget(id_, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Name:")), 0, 2);
    grid->addWidget(name_, 0, 3, Qt::AlignLeft);
    grid->addWidget(CoordinateGroup("Latitude", latitudeDegrees_, latitudeMinutes_, north_, south_),
                    1, 0, 1, 2);
    grid->addWidget(
        CoordinateGroup("Longitude", longitudeDegrees_, longitudeMinutes_, east_, west_), 1, 2, 1,
        2);
    grid->addWidget(new QLabel(QStringLiteral("Remark:")), 2, 0);
    grid->addWidget(remark_, 2, 1, Qt::AlignLeft);
    auto* elevation = new QHBoxLayout;
    elevation->addWidget(elevation_);
    elevation->addWidget(elevationUnit_);
    elevation->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Elevation: ")), 2, 2);
    grid->addLayout(elevation, 2, 3);
    grid->setColumnStretch(3, 1);
    return fields;
}

QWidget* CNavpointEditorDlg::BuildAttributes() {
    auto* group = new QGroupBox(QStringLiteral("Attributes"));
    auto* grid = new QGridLayout(group);
    using namespace navpoints::attribute;
    const std::tuple<const char*, const char*, std::uint32_t> boxes[] = {
        {"&Home", "home", kHome},
        {"&Start", "start", kStart},
        {"&Finish", "finish", kFinish},
        {"&Turnpoint", "turnpoint", kTurnpoint},
        {"A&irfield", "airfield", kAirfield},
        {"&Landable", "landable", kLandable}};
    int index = 0;
    for (const auto& [text, name, bit] : boxes) {
        auto* box = new QCheckBox(QString::fromLatin1(text));
        box->setObjectName(QString::fromLatin1(name));
        grid->addWidget(box, index % 3, index / 3);
        attributes_.push_back({box, bit});
        ++index;
    }
    return group;
}

QLayout* CNavpointEditorDlg::BuildButtons() {
    auto* buttons = new QHBoxLayout;
    const std::tuple<const char*, const char*, void (CNavpointEditorDlg::*)()> actions[] = {
        {"&Apply", "apply", &CNavpointEditorDlg::Apply},
        {"&Delete", "delete", &CNavpointEditorDlg::Delete},
        {"&Import...", "import", &CNavpointEditorDlg::Import},
        {"Sa&ve As..", "saveAs", &CNavpointEditorDlg::SaveAs},
        {"Cancel", "cancel", &CNavpointEditorDlg::reject},
        {"Close", "close", &CNavpointEditorDlg::Close}};
    for (const auto& [text, name, action] : actions) {
        auto* button = new QPushButton(QString::fromLatin1(text));
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        if (action == &CNavpointEditorDlg::reject)
            buttons->addStretch();
        if (action == &CNavpointEditorDlg::Apply)
            button->setDefault(true);
        if (action == &CNavpointEditorDlg::Delete)
            delete_ = button;
        buttons->addWidget(button);
    }
    delete_->setEnabled(false);
    return buttons;
}

std::string CNavpointEditorDlg::Tr(const char* text) const {
    return translator_.Translate(text);
}

void CNavpointEditorDlg::ShowList() {
    list_->Show(navpoints_.InOrder(), elevationFactor_);
    delete_->setEnabled(false);
}

void CNavpointEditorDlg::ShowSelected() {
    const auto id = list_->SelectedId();
    delete_->setEnabled(id.has_value());
    const Navpoint* navpoint = id ? navpoints_.Find(*id) : nullptr;
    if (!navpoint)
        return;
    id_->setText(QString::number(navpoint->Id()));
    name_->setText(QString::fromStdString(navpoint->Name()));
    ShowAngle(navpoint->Latitude(), latitudeDegrees_, latitudeMinutes_, north_, south_);
    ShowAngle(navpoint->Longitude(), longitudeDegrees_, longitudeMinutes_, east_, west_);
    remark_->setText(QString::fromStdString(navpoint->Remark()));
    elevation_->setText(ElevationText(navpoint->Elevation() * elevationFactor_));
    for (const auto& [box, bit] : attributes_)
        box->setChecked(navpoint->Has(bit));
}

void CNavpointEditorDlg::ChangeElevationUnit() {
    const double factor = NavpointDefaults::ElevationFactorOf(elevationUnit_->currentIndex());
    // The typed elevation stays the same height in the new unit.
    if (const auto typed = FieldNumber(elevation_); typed && !Trimmed(elevation_).empty())
        elevation_->setText(ElevationText(*typed / elevationFactor_ * factor));
    elevationFactor_ = factor;
    const auto selected = list_->SelectedId();
    ShowList();
    if (auto* row = selected ? list_->RowOf(*selected) : nullptr) {
        const QSignalBlocker quiet(list_);
        row->setSelected(true);
        delete_->setEnabled(true);
    }
}

std::optional<Navpoint> CNavpointEditorDlg::FieldsNavpoint() {
    const auto refuse = [this](QLineEdit* field, const char* message) {
        ShowStop(this, Tr(message));
        field->setFocus();
        return std::nullopt;
    };
    const auto id = navpoints::WholeInteger(Trimmed(id_));
    if (!id || *id < Navpoint::kMinId || *id > Navpoint::kMaxId)
        return refuse(id_, "Invalid navpoint ID");
    const std::string name = Trimmed(name_);
    if (name.empty())
        return refuse(name_, "Invalid navpoint Name");
    const auto latitude = FieldAngle(latitudeDegrees_, latitudeMinutes_, 90);
    if (!latitude)
        return refuse(latitudeDegrees_, "Invalid navpoint Latitude");
    const auto longitude = FieldAngle(longitudeDegrees_, longitudeMinutes_, 180);
    if (!longitude)
        return refuse(longitudeDegrees_, "Invalid navpoint Longitude");
    const auto elevation = FieldNumber(elevation_);
    if (!elevation || !(std::fabs(*elevation) < kLongestElevation))
        return refuse(elevation_, "Invalid navpoint Elevation");
    std::uint32_t bits = 0;
    for (const auto& [box, bit] : attributes_)
        bits |= box->isChecked() ? bit : 0;
    return Navpoint(static_cast<int>(*id), name, latitude->degrees, latitude->minutes,
                    south_->isChecked(), longitude->degrees, longitude->minutes, west_->isChecked(),
                    bits, static_cast<float>(*elevation / elevationFactor_),
                    remark_->text().toStdString());
}

void CNavpointEditorDlg::Apply() {
    const auto navpoint = FieldsNavpoint();
    if (!navpoint)
        return;
    navpoints_.Put(*navpoint);
    changed_ = true;
    ShowList();
    if (auto* row = list_->RowOf(navpoint->Id()))
        list_->scrollToItem(row);
    id_->setText(QString::number(navpoints_.NextFreeId()));
}

void CNavpointEditorDlg::Delete() {
    const auto id = list_->SelectedId();
    if (!id || !navpoints_.Remove(*id))
        return;
    changed_ = true;
    ShowList();
}

void CNavpointEditorDlg::Import() {
    if (navpoints_.Count() > 0 &&
        !AskOkCancel(this, Tr("Imported navpoints may replace those already entered.")))
        return;
    const QString path = chooseFile_(
        this, {FileRequest::Mode::Open, QString::fromStdString(Tr("Import Navpoints From File")),
               QStringLiteral("Velmora Navpoint Files (*.dat);;All Files (*)"),
               QStringLiteral("dat"), QString()});
    if (path.isEmpty())
        return;
    const int read = navpoints::ReadNavpointFile(path.toStdString(), navpoints_);
    if (read == 0) {
        ShowStop(this, Tr("Could not import navpoints from specified file."));
        return;
    }
    changed_ = true;
    ShowList();
    id_->setText(QString::number(navpoints_.NextFreeId()));
    ShowInformation(this, WithNumber(Tr("%d navpoints successfully Imported."), read));
}

void CNavpointEditorDlg::SaveAs() {
    // The site name offered as a file name, without anything that would make it a folder.
    const QString suggested =
        QString::fromStdString(siteName_).replace(QLatin1Char('/'), QLatin1Char('_')) +
        QStringLiteral(".dat");
    const QString path =
        chooseFile_(this, {FileRequest::Mode::Save, QString::fromStdString(Tr("Save As")),
                           QStringLiteral("Velmora Turnpoint Files (*.dat);;All Files (*)"),
                           QStringLiteral("dat"), suggested});
    if (path.isEmpty())
        return;
    if (!navpoints::WriteNavpointFile(path.toStdString(), navpoints_, siteName_)) {
        ShowStop(this, Tr("Could not open navpoint file:  ") + path.toStdString());
        return;
    }
    ShowInformation(this,
                    WithNumber(Tr("%d navpoints successfully exported."), navpoints_.Count()));
}

void CNavpointEditorDlg::Close() {
    defaults_.altitude = elevationUnit_->currentIndex();
    defaults_.latitude = south_->isChecked() ? 1 : 0;
    defaults_.longitude = west_->isChecked() ? 1 : 0;
    defaults_.Save();
    accept();
}

void CNavpointEditorDlg::reject() {
    if (!changed_) {
        QDialog::reject();
        return;
    }
    switch (AskYesNoCancel(this, Tr("Save changes to navpoints?"))) {
    case Answer::Yes:
        Close();
        break;
    case Answer::No:
        QDialog::reject();
        break;
    case Answer::Cancel:
        break;
    }
}

} // namespace korlink
