#pragma once

#include "catalogue/Ring.h"
#include "datafile/DataFileText.h"
#include "datafile/XmlNameCode.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CData;
class CIngredient;
class CIngredientSupplier;
class CRecipe;
class CRecipeIngredient;
class CSale;

// Renders a catalogue as the text of its data file: ISO-8859-1, CR LF line ends, every value on
// a line of its own with a fixed indentation per line kind. The text is built in one buffer
// sized up front; before each record the writer makes room for all of it, so the record itself
// is written without checks. With `logSections` the start of each record section is logged.
class CDataFileWriter
{
public:
    CDataFileWriter(const CData& data, bool logSections);

    CDataFileText Render();
    // Renders the same text in parts of about `partBytes`, handing each to `sink`: the whole
    // text is never held at once.
    void Render(const std::function<void(std::string_view)>& sink, std::size_t partBytes);

private:
    void WriteUserdata();
    template <class Record>
    void WriteSection(const CRing<Record>& records, EXmlName name, const char* logLine,
                      void (CDataFileWriter::*write)(const Record&));
    void WriteMainNames();
    void WriteIngredient(const CIngredient& ingredient);
    void WriteSuppliers(const CIngredient& ingredient);
    void WriteSupplier(const CIngredientSupplier& supplier);
    void WriteRecipe(const CRecipe& recipe);
    void WriteLine(const CRecipeIngredient& line);
    void WriteSale(const CSale& sale);
    void WriteRegisterMapping();
    // A field of the register import's memory: tags at 9 spaces, value at 12.
    template <class Value> void NamedField(std::string_view name, const Value& value);
    void NamedTag(int indent, std::string_view name, bool closing);

    void Indent(int spaces);
    void Put(std::string_view text);
    void OpenTag(int indent, EXmlName name);
    void CloseTag(int indent, EXmlName name);
    // `<name Index="id">`, or `<name Index="id" Version="version">` with a version.
    void OpenRecord(int indent, EXmlName name, int id, int version = -1);
    void AppendValue(std::string_view text);
    void AppendValue(const std::string& text) { AppendValue(std::string_view(text)); }
    void AppendValue(double value);
    void AppendValue(int value);
    // Opening tag, value line and closing tag.
    template <class Value> void Field(int tagIndent, int valueIndent, EXmlName name, const Value& value);
    // A record field: tags at 9 spaces, value at 12.
    template <class Value> void RecordField(EXmlName name, const Value& value);
    // A group entry of MainNames: tags at 3 spaces with the group as Index, value at 6.
    template <class Value> void GroupField(EXmlName name, std::size_t group, const Value& value);
    void Log(const char* line) const;
    void RenderAll();
    // Makes room for `bytes` more, keeping what is written.
    void Room(std::size_t bytes);
    // Hands the text so far to the sink once it holds a part.
    void FlushPart();
    std::size_t Used() const { return static_cast<std::size_t>(m_p - m_buffer.get()); }

    const CData& m_data;
    const bool m_logSections;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    char* m_p = nullptr;
    const std::function<void(std::string_view)>* m_sink = nullptr;
    std::size_t m_partBytes = 0;
};
