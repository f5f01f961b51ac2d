#include "document/chart_file.h"

#include "document/archive.h"
#include "document/birth_data_rules.h"
#include "document/name_forms.h"
#include "document/text_encoding.h"

#include <cmath>

namespace lumikan::document {

QByteArray encodeChartFile(const ChartFileData& data)
{
    const engine::BirthDetails& b = data.birth;
    ArchiveWriter out;
    out.writeUInt16(kChartFileVersion);
    out.writeString(data.displayName);
    out.writeString(data.placeText);
    out.writeInt32(b.year);
    out.writeInt32(b.month);
    out.writeInt32(b.day);
    out.writeInt32(b.hour);
    out.writeInt32(b.minute);
    out.writeInt32(b.second);
    out.writeDouble(b.latitude);
    out.writeDouble(b.longitude);
    out.writeDouble(b.timeZone);
    out.writeString(toQString(b.city));
    out.writeString(toQString(b.state));
    out.writeString(toQString(b.country));
    out.writeInt32(b.gender);
    out.writeString(data.notes);
    return out.bytes();
}

ChartFileRead decodeChartFile(const QByteArray& bytes)
{
    ChartFileRead result;
    try {
        ArchiveReader in(bytes);
        const std::uint16_t version = in.readUInt16();
        if (version == 0) {
            result.ok = true;
            return result;
        }
        ChartFileData data;
        engine::BirthDetails& b = data.birth;
        data.displayName = in.readString();
        data.placeText = in.readString();
        b.year = in.readInt32();
        b.month = in.readInt32();
        b.day = in.readInt32();
        b.hour = in.readInt32();
        b.minute = in.readInt32();
        b.second = in.readInt32();
        b.latitude = in.readDouble();
        b.longitude = in.readDouble();
        b.timeZone = in.readDouble();
        b.city = toUtf8(in.readString());
        b.state = toUtf8(in.readString());
        b.country = toUtf8(in.readString());
        b.gender = version >= 2 ? in.readInt32() : 3;
        data.notes = in.readString();
        // Nothing follows the notes, and no chart the program writes has a
        // value the birth-data rules refuse (month 13, hour 24, NaN, zone 99).
        if (in.remaining() != 0 || birthDetailsProblem(b))
            return result;
        b.name = toUtf8(data.displayName);
        result.data = std::move(data);
        result.ok = true;
    } catch (const ArchiveError&) {
        result.ok = false;
    }
    return result;
}

QString normalizeNotesForSave(const QString& notes, const QString& signature)
{
    QString text = notes.trimmed();
    for (;;) {
        const qsizetype lf = text.lastIndexOf(QLatin1Char('\n'));
        const QString lastLine = (lf < 0 ? text : text.mid(lf + 1)).trimmed();
        if (!(lastLine.contains(QLatin1String("ASC:")) && lastLine.contains(QLatin1String("Day:"))))
            break;
        text = lf <= 0 ? QString() : text.left(lf);
        text = text.trimmed();
    }
    if (!text.isEmpty())
        text += QLatin1String("\r\n") + signature;
    return text;
}

QString chartSignatureLine(const engine::Chart& chart, int planetNameFormat)
{
    auto lord = [&](engine::LordIndex l) { return lordNameInForm(l, planetNameFormat); };
    return QStringLiteral("ASC:%1/%2/%3 MO:%4/%5/%6 Day:%7")
        .arg(lord(chart.ascSignLord), lord(chart.ascStarLord), lord(chart.ascSubLord),
             lord(chart.moonSignLord), lord(chart.moonStarLord), lord(chart.moonSubLord),
             planetNameInForm(chart.dayLord, planetNameFormat));
}

}  // namespace lumikan::document
