#ifndef TARVEO_MODEL_CONF_H
#define TARVEO_MODEL_CONF_H

#include "model/fileencoding.h"
#include "model/subclass.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;
class QObject;

// Result of the document check used by New and Save: the first incomplete
// subclass, or number 0 when the subclasses pass and the header decides.
struct ConfValidity {
    bool valid = false;
    quint32 number = 0;
};

// What reading a file found, for the window to tell at Open and for the
// check tool's findings. A reader that stops early keeps what it read, so
// the caller must be able to tell the user that the rest was not read; what
// the file holds beyond the values is said here too, so that nothing is
// lost or changed without a word.
struct ConfReadOutcome {
    // Two sections that name one subclass: the later replaced the earlier.
    struct DuplicateSection {
        quint32 number = 0;
        int firstLine = 0; // 1-based line of the section replaced
        QString firstText; // that line: "[subclass_7]"
        int laterLine = 0; // the section that replaced it
        QString laterText; // "[subclass_07]"
    };
    // A line of a subclass section that is no key the record reads: kept,
    // and written back as it stands among the section's keys.
    struct KeptLine {
        quint32 subclass = 0;
        int line = 0; // 1-based
        QString text; // the whole line
        // A "subclass=" line naming another number than the section's
        // header, whose number stands.
        bool renumbers = false;
    };

    bool opened = true; // false when the file could not be read at all
    QString failure;    // why not, for the user; empty when opened
    int stopLine = 0;   // 1-based line at which reading stopped, 0 if read whole
    QString stopText;   // the text of that line
    // Latin-1 when the file was not valid UTF-8; Save writes it so again.
    FileEncoding encoding = FileEncoding::Utf8;
    QVector<DuplicateSection> duplicateSections; // in the order of the later lines
    QVector<KeptLine> keptLines;                 // in file order

    bool readWhole() const { return opened && stopLine == 0; }
    // Whether the document holds all the file holds: read whole, and no
    // section replaced by another. Saving over the file loses the rest
    // otherwise.
    bool heldWhole() const { return readWhole() && duplicateSections.isEmpty(); }
};

// The classification document: the [classes] header and the subclasses.
class Conf {
public:
    Conf();
    // Reads the file at path. The reader owns no object any more, so parent
    // is not used.
    explicit Conf(const QString &path, QObject *parent = nullptr);
    // Reads what the device, open for reading, gives from where it stands
    // until it gives no more, with the limits of a file.
    explicit Conf(QIODevice *device);

    QString get_classification_version() const;
    void set_classification_version(const QString &value);
    QString get_country_code() const;
    // Stores the upper-case form.
    void set_country_code(const QString &value);
    QString get_group_max_distance() const;
    void set_group_max_distance(const QString &value);
    QString get_min_2axle_truck_spacing() const;
    void set_min_2axle_truck_spacing(const QString &value);
    QString get_max_axle_distance() const;
    void set_max_axle_distance(const QString &value);
    QString get_min_axle_distance() const;
    void set_min_axle_distance(const QString &value);
    QString get_min_avg_axle_weight() const;
    void set_min_avg_axle_weight(const QString &value);
    QString get_unclassified_vehicle_subclass() const;
    void set_unclassified_vehicle_subclass(const QString &value);
    QString get_uncategorised_vehicle_category() const;
    void set_uncategorised_vehicle_category(const QString &value);
    QString get_g_acceleration_constant() const;
    void set_g_acceleration_constant(const QString &value);

    // A header value by its field.
    QString get_header_value(Fields::Id id) const;
    void set_header_value(Fields::Id id, const QString &value);
    // The header as it would be with the value set.
    QMap<QString, QString> header_with_value(Fields::Id id, const QString &value) const;
    // Replaces every header key at once, unknown keys included.
    void set_header(const QMap<QString, QString> &keys) { header = keys; }

    bool is_country_code_valid() const;
    bool is_group_max_distance_valid() const;
    // The states of check_max_axle_distance.
    static constexpr int MaxAxleDistanceValid = 0;
    static constexpr int MaxAxleDistanceBelowSubclass = 1; // some subclass distance is above it
    static constexpr int MaxAxleDistanceInvalid = 2;       // empty or below the minimum
    int check_max_axle_distance() const;
    // The same from the header texts and the highest maximum distance of all
    // subclasses (Subclass::get_highest_max_distance).
    static int max_axle_distance_state(const QString &maximumText, const QString &minimumText,
                                       float highestSubclassMaximum);
    bool is_min_axle_distance_valid() const;
    bool is_unclassified_vehicle_subclass_valid() const;
    bool is_uncategorised_vehicle_category_valid() const;
    bool is_g_acceleration_constant_valid() const;

    bool has_subclass(quint32 number) const;
    // The caller must make sure the number exists; a missing number logs a
    // warning and yields a throw-away record instead of inventing one.
    Subclass &get_subclass(quint32 number);
    const Subclass &get_subclass(quint32 number) const;
    void insert_subclass(quint32 number, const Subclass &subclass);
    void insert_subclass(quint32 number, Subclass &&subclass);
    void remove_subclass(quint32 number);
    QVector<quint32> get_subclass_numbers() const;

    QString to_string() const;
    // to_string() in the document's encoding: the bytes Save writes.
    QByteArray to_bytes() const;
    // The subclass sections of to_string, without the header.
    QString subclasses_to_string() const;
    ConfValidity is_valid() const;
    QString find_duplicate_subclasses() const;
    QVector<quint32> get_invalid_subclasses() const;
    // The first value the file would not give back as it was saved: a
    // header line (named by its key) too long or not encodable in the
    // document's encoding, or a subclass value of Subclass::find_unwritable.
    struct UnwritableValue {
        bool found = false;
        bool inHeader = false; // a header key (value.key); else subclass `number`
        quint32 number = 0;
        Subclass::ValueRef value;
    };
    UnwritableValue find_unwritable() const;

    // The header keys in key order, unknown keys included.
    const QMap<QString, QString> &get_header() const { return header; }
    const ConfReadOutcome &get_read_outcome() const { return readOutcome; }
    // The encoding the file was read in, which Save keeps; UTF-8 for a new
    // document.
    FileEncoding get_encoding() const { return encoding; }

    // Writes to_string() to path atomically: an existing file is replaced only
    // when the whole text was written. On failure returns false and, when
    // error is given, the system's reason.
    bool write_to_file(const QString &path, QString *error = nullptr) const;

private:
    QString header_value(const QString &key) const;
    void read_bytes(const QByteArray &bytes);

    QMap<quint32, Subclass> subclasses;
    QStringList country_codes;
    QMap<QString, QString> header;
    ConfReadOutcome readOutcome;
    FileEncoding encoding = FileEncoding::Utf8;
    Subclass scratch; // handed out by get_subclass for a missing number
};

#endif
