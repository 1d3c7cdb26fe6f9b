#include "IgcWriter.h"

#include "LogNaming.h"
#include "StoredLogCheck.h"
#include "korlink/korlink.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace korlink {
namespace {

constexpr std::string_view kAttributeLetters = "TAMLSFHE"; // bits 0 to 7

// Appends one printf-formatted line to the text.
class LineWriter {
public:
    explicit LineWriter(std::string& text) : text_(text) {}

    [[gnu::format(printf, 2, 3)]] void Line(const char* format, ...) {
        char buffer[512];
        va_list args;
        va_start(args, format);
        const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        if (length < 0)
            return;
        if (static_cast<std::size_t>(length) < sizeof buffer) {
            text_.append(buffer, static_cast<std::size_t>(length));
            return;
        }
        // Longer than any line the formats make from sane values; format again at full length.
        std::string line(static_cast<std::size_t>(length) + 1, '\0');
        va_start(args, format);
        std::vsnprintf(line.data(), line.size(), format, args);
        va_end(args);
        line.pop_back();
        text_ += line;
    }

    void Text(std::string_view text) { text_ += text; }
    std::string& Out() { return text_; }

private:
    std::string& text_;
};

// Appends a number as printf's "%0*ld" writes it: zeros before the digits up to `width`
// characters, a minus sign taking one of them.
void AppendNumber(std::string& out, long value, int width) {
    char digits[24];
    int count = 0;
    unsigned long magnitude =
        value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) {
        out += '-';
        --width;
    }
    if (width > count)
        out.append(static_cast<std::size_t>(width - count), '0');
    while (count > 0)
        out += digits[--count];
}

// Whole degrees of the absolute value, then the remaining minutes in thousandths (five digits),
// then the hemisphere letter.
void AppendCoordinate(std::string& out, double degrees, int degreeDigits, char positive,
                      char negative) {
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    AppendNumber(out, static_cast<long>(whole), degreeDigits);
    AppendNumber(out, static_cast<long>((magnitude - whole) * 60000.0), 5);
    out += degrees < 0 ? negative : positive;
}

std::string Latitude(double degrees) {
    std::string text;
    AppendCoordinate(text, degrees, 2, 'N', 'S');
    return text;
}

std::string Longitude(double degrees) {
    std::string text;
    AppendCoordinate(text, degrees, 3, 'E', 'W');
    return text;
}

std::string AttributeLetters(std::uint16_t attributes) {
    std::string letters;
    for (std::size_t bit = 0; bit < kAttributeLetters.size(); ++bit) {
        if (attributes & (1u << bit))
            letters += kAttributeLetters[bit];
    }
    letters.resize(kAttributeLetters.size(), ' ');
    return letters;
}

const char* UnitsLine(std::uint8_t units) {
    switch (units) {
    case 0:
        return "HFUNTUnits: nmi,ft,kt\r\n";
    case 1:
        return "HFUNTUnits: km,m,m/s\r\n";
    case 2:
        return "HFUNTUnits: km,ft,kt\r\n";
    case 3:
        return "HFUNTUnits: mi,ft,kt\r\n";
    default:
        // A code the recorder never sets: the line stays, naming no units.
        return "HFUNTUnits: \r\n";
    }
}

// Header field 7 as a signed 8-bit count of quarter hours, in whole hours toward zero.
int TimezoneHours(std::uint32_t field) {
    return static_cast<std::int8_t>(field & 0xFF) / 4;
}

void WriteHeader(LineWriter& out, const StoredLog& log, std::string_view version) {
    const auto& info = log.FlightInfo();
    const auto& date = log.FirstFix().time;
    out.Line("AZRV%s\r\n", log.RecorderId().c_str());
    out.Line("HFDTE%02d%02d%02d\r\n", std::min<int>(date[2], 31), std::min<int>(date[1], 12),
             date[0]);
    out.Text("HFFXA050\r\n");
    out.Line("HFPLTPilot: %s\r\n", info.pilotName.c_str());
    out.Line("HFGTYGliderType: %s\r\n", info.gliderType.c_str());
    out.Line("HFCIDCompetitionID: %s\r\n", info.competitionId.c_str());
    out.Line("HFDTM%03d%s\r\n", info.datum, "Datum: WGS-84");
    out.Line("HFRFWFIRMWAREVERSION: %s\r\n", log.RecorderInfo().firmwareVersion.c_str());
    out.Line("HFRHWHARDWAREVERSION: %4.2lf \r\n", 2.0 + info.hardwareCode * 0.01);
    out.Line("HFSITSite: %s\r\n", log.SiteName().c_str());
    out.Line("HFTZOTimezone: %d\r\n", TimezoneHours(log.Header().timeZone));
    out.Text(UnitsLine(info.units));
    out.Text("I033638FXA3941ENL4247REX\r\n");
    out.Text("LZRVN KOR Utility DLL Vers: ");
    out.Text(version);
    out.Text("\r\n");
}

void WriteNavpoints(LineWriter& out, const StoredLog& log) {
    for (const auto& navpoint : log.Navpoints())
        out.Line("LZRVN%05d%s%s%06d%s%s\r\n", navpoint.id, Latitude(navpoint.latitude).c_str(),
                 Longitude(navpoint.longitude).c_str(), navpoint.elevation,
                 AttributeLetters(navpoint.attributes).c_str(), navpoint.name.c_str());
}

void WriteDeclaration(LineWriter& out, const LogDeclaration& declaration) {
    if (declaration.points.empty())
        return;
    const auto& d = declaration.declared;
    const auto& f = declaration.firstFix;
    const auto points = static_cast<int>(declaration.points.size());
    out.Line("C%02d%02d%02d%02d%02d%02d%02d%02d%02d0001%02d\r\n", d[2], d[1], d[0], d[3], d[4],
             d[5], f[2], f[1], f[0], points >= 2 ? points - 2 : 0);
    out.Text("C0000000N00000000E0000TAKEOFF    \r\n");
    for (const auto& point : declaration.points)
        out.Line("C%s%s%04d%s\r\n", Latitude(point.latitude).c_str(),
                 Longitude(point.longitude).c_str(), point.navpoint, point.name.c_str());
    out.Text("C0000000N00000000E0000LANDING    \r\n");
}

void AppendTime(std::string& out, const LogTime& t) {
    for (std::size_t i = 3; i < 6; ++i)
        AppendNumber(out, t[i], 2);
}

// "E" HHMMSS "PEV" before the fix of a pilot event; "B" HHMMSS, position, validity, then
// "%05d%05d%03d%03d%03d%03d" of pressure and GNSS altitude, accuracy, engine noise, extra value
// A and flags. Formatted by hand: these are nearly all of a file's lines.
void WriteFix(std::string& out, const LogFix& fix) {
    if (fix.flags & LogFix::kPilotEvent) {
        out += 'E';
        AppendTime(out, fix.time);
        out += "PEV\r\n";
    }
    out += 'B';
    AppendTime(out, fix.time);
    AppendCoordinate(out, fix.latitude, 2, 'N', 'S');
    AppendCoordinate(out, fix.longitude, 3, 'E', 'W');
    out += fix.flags >= LogFix::kInvalid ? 'V' : 'A';
    AppendNumber(out, static_cast<long>(fix.pressureAltitude) - 1000, 5);
    AppendNumber(out, static_cast<long>(fix.gnssAltitude) - 1000, 5);
    AppendNumber(out, static_cast<long>(fix.accuracy) * 15, 3);
    AppendNumber(out, fix.engineNoise, 3);
    AppendNumber(out, static_cast<long>(fix.extraA) * 15, 3);
    AppendNumber(out, fix.flags, 3);
    out += "\r\n";
}

// Every record of the recorded fix data, the last one only when it is whole: one that the end
// of the data cuts short lost its last bytes, and its missing fields would read as 0.
void WriteFixes(LineWriter& out, const StoredLog& log) {
    const auto data = log.RecordedFixData();
    NibbleRecord record;
    for (std::size_t position = 0, n = 0; position < data.size() && n < StoredLog::kMaxFixRecords;
         ++n) {
        position = UnpackRecord(data, position, kFixRecordNibbles, record);
        if (position >= data.size() && !record.ended)
            return;
        WriteFix(out.Out(), DecodeFixRecord(record));
    }
}

constexpr std::string_view kDummyRecordLine = "G000  DUMMY SECURITY RECORD ADDED FOR \r\n";

void WriteSecurityRecord(LineWriter& out) {
    out.Text("G000000000000000000000000000000000000000000000\r\n");
    out.Text(kDummyRecordLine);
    out.Text("G000  COMPATIBILITY.  SECURITY CAN ONLY BE\r\n"
             "G000  VERIFIED WITH THE ORIGINAL KOR FILE\r\n"
             "G000000000000000000000000000000000000000000000\r\n");
}

} // namespace

bool IsConverterSecurityRecord(std::string_view gLines) {
    // Its words, whatever line ends a later tool gave the file.
    return gLines.find(kDummyRecordLine.substr(0, kDummyRecordLine.find(" \r"))) !=
           std::string_view::npos;
}

std::string_view ProductVersion() {
    return KORLINK_VERSION;
}

std::string IgcText(const StoredLog& log, std::string_view version) {
    std::string text;
    text.reserve(log.FixData().size() * 3 + 4096);
    LineWriter out(text);
    WriteHeader(out, log, version);
    WriteNavpoints(out, log);
    WriteDeclaration(out, log.Declaration());
    WriteFixes(out, log);
    WriteSecurityRecord(out);
    return text;
}

ConvertedLog ConvertStoredLog(const std::filesystem::path& path,
                              const std::filesystem::path& folder) {
    ConvertedLog result;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        result.status = KOR_FILE_OPEN_FAILED;
        return result;
    }
    StoredLog log;
    if (log.Load(path) != LogFileStatus::Ok) {
        result.status = KOR_FILE_READ_FAILED;
        return result;
    }
    result.checkPassed = PassesStoredLogCheck(log);
    const auto text = IgcText(log, ProductVersion());
    auto name = WriteUnderLogFileName(folder, log.FirstFix().time, log.RecorderId(),
                                      LogFileKind::Igc, AsBytes(text));
    if (!name) {
        result.status = KOR_LOG_WRITE_FAILED;
        return result;
    }
    result.status = KOR_OK;
    result.name = std::move(*name);
    return result;
}

} // namespace korlink
