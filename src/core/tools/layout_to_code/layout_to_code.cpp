#include "layout_to_code.h"

#include "definer/definer_form.h"
#include "platform/services.h"

namespace nakkas {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return text;
}

// One line for each kind of include that was not read.
std::vector<std::string> includeNotes(const LayoutScan& scan) {
    std::vector<std::string> notes;
    for (const auto& [lead, names] :
         {std::pair{"Bulunamayan include: ", &scan.missingIncludes},
          std::pair{"Okunamayan include: ", &scan.unreadableIncludes},
          std::pair{"Layout klasörünün dışına çıktığı için okunmayan include: ",
                    &scan.outsideIncludes}})
        if (!names->empty()) notes.push_back(lead + joined(*names));
    return notes;
}

}  // namespace

std::vector<LayoutRow> rowsFor(std::vector<LayoutView> views, NamingStyle style) {
    std::vector<LayoutRow> rows;
    rows.reserve(views.size());
    for (LayoutView& v : views) {
        std::string name = proposeName(v.id, style);
        rows.push_back({std::move(v), true, std::move(name), false});
    }
    return rows;
}

std::string layoutText(const std::vector<LayoutRow>& rows, std::string_view access,
                       bool writeListeners, Language language) {
    std::vector<ObjectCode> codes;
    for (const LayoutRow& r : rows)
        if (r.checked)
            codes.push_back(viewCode(r.view, r.variableName, access, writeListeners, language));
    return joinViewCodes(codes, access, language);
}

LayoutToCode::LayoutToCode(Services& services, LayoutOptions& options, Language language)
    : m_services(services), m_options(options), m_language(language) {
    selectAccess(options.accessIndex);
}

Outcome LayoutToCode::open(const std::string& path, const FileLoader& load) {
    m_rows.clear();
    m_rowsById.clear();
    m_duplicates = 0;
    m_includeNotes.clear();
    const auto slash = path.find_last_of('/');
    m_fileName = slash == std::string::npos ? path : path.substr(slash + 1);

    LayoutScan scan = readLayout(path, load);
    if (!scan.error.empty()) return showRefusal(m_services, std::move(scan.error));
    if (scan.views.empty()) {
        std::string message = m_fileName + " dosyasında id verilmiş hiçbir görünüm yok.";
        for (const std::string& note : includeNotes(scan)) message += " " + note;
        return showRefusal(m_services, std::move(message), "Bilgi", MessageIcon::Information);
    }
    m_includeNotes = includeNotes(scan);
    m_rows = rowsFor(std::move(scan.views), m_options.style);
    m_duplicates = scan.duplicates;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rowsById[m_rows[i].view.id].push_back(i);
        if (m_rows[i].view.frameworkId) m_rowsById[displayId(m_rows[i].view)].push_back(i);
    }
    return Outcome::done();
}

std::string LayoutToCode::summary() const {
    return m_fileName + ": id verilmiş " + std::to_string(m_rows.size()) + " görünüm";
}

std::vector<std::string> LayoutToCode::notes() const {
    std::vector<std::string> out;
    if (m_duplicates > 0)
        out.push_back("Tekrarlanan " + std::to_string(m_duplicates) +
                      " id atlandı; her id ilk geçtiği yerde listelenir.");
    out.insert(out.end(), m_includeNotes.begin(), m_includeNotes.end());
    return out;
}

const std::vector<std::size_t>& LayoutToCode::rowsWithId(const std::string& id) const {
    static const std::vector<std::size_t> kNone;
    const auto found = m_rowsById.find(id);
    return found == m_rowsById.end() ? kNone : found->second;
}

void LayoutToCode::setStyle(NamingStyle style) {
    m_options.style = style;
    for (LayoutRow& r : m_rows)
        if (!r.edited) r.variableName = proposeName(r.view.id, style);
}

void LayoutToCode::selectAccess(std::size_t index) {
    if (index >= DefinerForm::kAccessEntries.size()) return;
    m_options.accessIndex = index;
    m_access = DefinerForm::accessModifierOf(index);
}

void LayoutToCode::setChecked(std::size_t row, bool checked) {
    if (row < m_rows.size()) m_rows[row].checked = checked;
}

void LayoutToCode::setVariableName(std::size_t row, std::string name) {
    if (row >= m_rows.size()) return;
    LayoutRow& r = m_rows[row];
    r.edited = name != proposeName(r.view.id, m_options.style);
    r.variableName = std::move(name);
}

void LayoutToCode::checkAll() {
    for (LayoutRow& r : m_rows) r.checked = true;
}

void LayoutToCode::checkNone() {
    for (LayoutRow& r : m_rows) r.checked = false;
}

std::size_t LayoutToCode::checkedCount() const {
    std::size_t n = 0;
    for (const LayoutRow& r : m_rows) n += r.checked ? 1 : 0;
    return n;
}

std::string LayoutToCode::text() const {
    return layoutText(m_rows, m_access, m_options.writeListeners, m_language);
}

Outcome LayoutToCode::confirm() {
    // An empty result would wipe the code panel for nothing.
    if (checkedCount() == 0)
        return showRefusal(m_services, "Kod üretmek için listeden en az bir görünüm seçin.",
                           "Uyarı", MessageIcon::Warning);
    m_result = text();
    return Outcome::done();
}

}  // namespace nakkas
