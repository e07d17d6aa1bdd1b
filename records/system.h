#pragma once

#include "records/recordcodec.h"

#include <QByteArray>

// System parameters: one 64-byte record that the process keeps current. The page's widgets
// map onto some of its bytes and bits; every other byte travels unchanged. The accessors
// run on the GUI thread; decodeRecord may replace the record from a link thread while the
// window is busy, so access is serialised.
class System : public RecordCodec {
public:
    static const System* instance();

    static constexpr int kRecordSize = 64;
    static QByteArray defaultRecord();
    // A copy of the current record, and replacing it.
    static QByteArray record();
    static void setRecord(const QByteArray& record);

    // With a row: byte i is the first byte of cell i (cells made by decodeRecord hold raw
    // bytes). With a row without cells: the current record.
    QByteArray encodeRow(const ItemRow& row, QByteArray* record) const override;
    // A 66-byte payload (the record after two leading bytes) replaces the current record and
    // gives a row of 64 one-byte cells; any other length is ignored.
    QByteArray decodeRecord(const QByteArray& payload, ItemRow* row, int index = kOwnIndex) const override;
    // The record of such a payload; empty for any other length.
    QByteArray storedRecord(const QByteArray& payload) const override;

    static bool loadSystemRecord();
    static bool saveSystemRecord();

    static int ecrNo();
    static void setEcrNo(int value);
    static int idleTime();
    static void setIdleTime(int value);
    static int printDensity();
    static void setPrintDensity(int value);
    static quint32 amountMax();
    static void setAmountMax(quint32 value);

    static bool decimal();
    static void setDecimal(bool on);
    static bool daylightTime();
    static void setDaylightTime(bool on);
    static bool buzzer();
    static void setBuzzer(bool on);
    static bool printItems();
    static void setPrintItems(bool on);
    static bool customerCard();
    static void setCustomerCard(bool on);
    static bool operObl();
    static void setOperObl(bool on);
    static bool prnClerk();
    static void setPrnClerk(bool on);
    static bool clerkPwd();
    static void setClerkPwd(bool on);
    static bool subtotalObl();
    static void setSubtotalObl(bool on);
    static bool printTaxAmt();
    static void setPrintTaxAmt(bool on);
    static bool printDepartMon();
    static void setPrintDepartMon(bool on);
    static bool copyReceipt();
    static void setCopyReceipt(bool on);

protected:
    QByteArray decodeFields(const char* record, ItemRow* row, int index) const override;
    // Decoding replaces the current record, which encoding starts from.
    bool rowsStandAlone() const override { return false; }

private:
    System();
};
