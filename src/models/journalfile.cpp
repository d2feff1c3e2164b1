#include "journalfile.h"

#include "openmakingfolder.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray header = QByteArrayLiteral("ZAVEL_MOVES_V1 ");
const QByteArray checkPrefix = QByteArrayLiteral("check ");
// A long game writes a few dozen bytes a move; this is far beyond any real game and bounds what is read.
constexpr qint64 maxBytes = 4 * 1024 * 1024;

QByteArray batch(const std::vector<Zavel::MoveRecord> &records, const std::string &state)
{
    QByteArray text;
    for (const Zavel::MoveRecord &record : records)
        text += QByteArray::fromStdString(Zavel::recordText(record)) + '\n';
    return text + checkPrefix + JournalFile::check(state) + '\n';
}

// A game id is one word of the characters a hash or a fingerprint of cards is written with.
bool validId(const QByteArray &id)
{
    if (id.isEmpty() || id.size() > 512)
        return false;
    for (char c : id) {
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '_' || c == ',' || c == '|';
        if (!allowed)
            return false;
    }
    return true;
}

void write(const QString &path, const QByteArray &text, QIODevice::OpenMode mode)
{
    QFile file(path);
    // Failures are silent: at the next start the check tells a file that missed a write, and it is dropped.
    if (openMakingFolder(&file, mode))
        file.write(text);
}

} // namespace

QByteArray JournalFile::check(const std::string &state)
{
    // 64-bit FNV-1a: enough to tell two states of one device apart, and cheap beside the save itself.
    quint64 hash = 14695981039346656037ull;
    for (unsigned char c : state) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return QByteArray::number(hash, 16).rightJustified(16, '0');
}

void JournalFile::start(const QString &gameId, const std::vector<Zavel::MoveRecord> &records,
                        const std::string &state) const
{
    write(m_path, header + gameId.toLatin1() + '\n' + batch(records, state),
          QIODevice::WriteOnly | QIODevice::Truncate);
}

void JournalFile::append(const std::vector<Zavel::MoveRecord> &records, const std::string &state) const
{
    write(m_path, batch(records, state), QIODevice::WriteOnly | QIODevice::Append);
}

bool JournalFile::read(const std::string &state, QString *gameId, std::vector<Zavel::MoveRecord> *records) const
{
    QFile file(m_path);
    if (!QFileInfo(m_path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(maxBytes + 1);
    if (text.size() > maxBytes || !text.startsWith(header) || !text.endsWith('\n'))
        return false;
    QList<QByteArray> lines = text.left(text.size() - 1).split('\n');
    const QByteArray id = lines.takeFirst().mid(header.size());
    if (!validId(id) || lines.isEmpty() || lines.last() != checkPrefix + check(state))
        return false;
    std::vector<Zavel::MoveRecord> read;
    for (const QByteArray &line : lines) {
        if (line.startsWith(checkPrefix) && line.size() == checkPrefix.size() + 16)
            continue;
        Zavel::MoveRecord record;
        if (!Zavel::parseRecord(line.toStdString(), &record))
            return false;
        read.push_back(record);
    }
    *gameId = QString::fromLatin1(id);
    records->swap(read);
    return true;
}
