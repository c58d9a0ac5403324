#pragma once
class QWidget;

namespace vardeck::ui::z4 {

// Builders of the configurator's tab pages. Each returns the page widget, named after
// its page control, with its controls' widgets named after the controls.

// Input-like pages: "Be1" to "Be4", "Tamper", "Tápmonitor", "Hőméséklet",
// "Sebesség", "Emelés" (Z4InputPages.cpp).
QWidget* inputPage(int input, QWidget* parent);  // 1 to 4
QWidget* tamperPage(QWidget* parent);
QWidget* powerMonitorPage(QWidget* parent);
QWidget* temperaturePage(QWidget* parent);
QWidget* speedPage(QWidget* parent);
QWidget* liftPage(QWidget* parent);

// The other pages (Z4OtherPages.cpp, Z4ReportingPages.cpp).
QWidget* phonePage(QWidget* parent);
QWidget* placeholderPage(const char* name, QWidget* parent);
QWidget* outputPage(QWidget* parent);
QWidget* lifeSignalPage(QWidget* parent);
QWidget* otherPage(QWidget* parent);
QWidget* callerIdPage(QWidget* parent);
QWidget* gpsPage(QWidget* parent);
QWidget* gprsPage(QWidget* parent);
QWidget* cidSmsPage(QWidget* parent);
QWidget* remoteMonitoringPage(QWidget* parent);
QWidget* openClosePage(QWidget* parent);
// The sound page: its file fields are read-only, a click on one chooses the file
// (see watchSoundFileFields).
QWidget* soundPage(QWidget* parent);
inline constexpr const char* kSoundFileFields[] = {"Edit9", "Edit13", "Edit14", "Edit15"};

}  // namespace vardeck::ui::z4
