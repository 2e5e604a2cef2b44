#pragma once

#include <string>

// The lines one field prints over the passes of template lines: the pieces of a text (one
// line, wrapped to a width, or split at its line ends), or a list of records, one per pass; a
// list given a wrap width prints each record's text in pieces of that width, the next record
// only once the last piece is out.
class CFieldLines {
public:
    explicit CFieldLines(int fieldId) : m_iFieldId(fieldId) {}

    int FieldId() const { return m_iFieldId; }
    void StartMissing();
    void StartText(std::string text, int lineMode, int wrapWidth);
    void StartRecords(int count, int wrapWidth);

    bool IsMissing() const { return m_bMissing; }
    bool IsRecordList() const { return m_iRecords >= 0; }
    bool HasLine() const;
    std::string TakeText();
    int TakeRecord() { return m_iNext++; }
    bool WrapsRecords() const { return m_iWrapWidth > 0; }
    // The record's text, whose pieces TakeText gives next.
    void StartRecordText(std::string text);
    bool HasRecordTextLeft() const { return IsRecordList() && m_pos < m_strText.size(); }
    void Skip(int lines);

private:
    int m_iFieldId;
    bool m_bMissing = true;
    bool m_bFresh = false; // no piece taken yet: even an empty text prints once
    std::string m_strText;
    std::size_t m_pos = 0;
    int m_iLineMode = 0;
    int m_iWrapWidth = 0;
    int m_iRecords = -1;
    int m_iNext = 0;
};
