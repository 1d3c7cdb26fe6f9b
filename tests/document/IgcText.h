#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

// Building IGC text for the tests, in the layout stored-log conversion writes.
namespace vantrel::test {

// "DDMMmmmN" or "DDDMMmmmE" for a signed angle.
inline std::string AngleText(double degrees, int width, char positive, char negative) {
    const double magnitude = std::fabs(degrees);
    const int whole = static_cast<int>(magnitude);
    const int thousandths = static_cast<int>(std::lround((magnitude - whole) * 60000.0));
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%05d%c", width, whole, thousandths,
                  degrees < 0 ? negative : positive);
    return text;
}

// A B record with fix accuracy and engine noise level in columns 36-38 and 39-41.
inline std::string BRecord(int hour, int minute, int second, double latitude, double longitude,
                           int pressureMetres = 500, int gpsMetres = 510, char validity = 'A',
                           int accuracy = 50, int engineNoise = 0) {
    char text[128];
    std::snprintf(text, sizeof text, "B%02d%02d%02d%s%s%c%05d%05d%03d%03d\r\n", hour, minute,
                  second, AngleText(latitude, 2, 'N', 'S').c_str(),
                  AngleText(longitude, 3, 'E', 'W').c_str(), validity, pressureMetres, gpsMetres,
                  accuracy, engineNoise);
    return text;
}

// The header records of a converted flight dated day/month/year (two digits).
inline std::string Header(const char* date = "010204", const char* extra = "") {
    return std::string("AZRVQ0YA\r\nHFDTE") + date +
           "\r\nHFFXA050\r\nHFPLTPilot: Anna Berg\r\nHFGTYGliderType: LS8\r\n"
           "HFCIDCompetitionID: ab\r\nHFTZOTimezone: 2\r\nI033638FXA3941ENL4247REX\r\n" +
           extra;
}

// Sets TZ for the life of the object and restores the previous value.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            previous_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;
    ~ScopedTimeZone() {
        if (previous_.empty())
            ::unsetenv("TZ");
        else
            ::setenv("TZ", previous_.c_str(), 1);
        ::tzset();
    }

private:
    std::string previous_;
};

} // namespace vantrel::test
