#include "explain/explanation.h"

#include "content/content_store.h"
#include "content/numbers.h"
#include "quiz/content_source.h"
#include "quiz/picture_procedures.h"
#include "quiz/quiz_view.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

namespace keb {

using content::itemAt;

std::string Explanation::text(const content::ContentStore& danni, int n) {
    std::string text = "\r\n\"" + itemAt(danni.danni(0), n - 1) + "\" е във връзка с \"" +
                       itemAt(danni.danni(1), n - 1) + "\"";
    if (content::leadingNumber(itemAt(danni.otgowor(0), n)) > 0) {
        for (const std::string& line : danni.otgowor(n)) {
            text += "\r\n" + line;
        }
    }
    return text;
}

void Explanation::Obqsni_nomer(int n) {
    quiz_.explanationBox.setText("");
    quiz_.explanationBox.setText(text(content_.danni(), n));
    pictures_.Pokaji_grafika(n);
}

void Explanation::Obqsni_otgowor() {
    const int k = quiz_.Slowo[2].listIndex();
    quiz_.answerKeys.setListIndex(k);
    Obqsni_nomer(content::leadingWhole(quiz_.answerKeys.item(k)));
}

// An explanation given before the evaluation does not count against the score: the pair it
// enters is graded like any other. The count of correct answers is lowered here as the quiz has
// always done, but the evaluation counts afresh from 0.
void Explanation::Obqsni_izbor() {
    const int selected = quiz_.Slowo[0].listIndex();
    if (selected < 0) {
        return;
    }
    const int match = content_.danni().firstMatch(0, quiz_.Slowo[0].item(selected));
    if (match < 0) {
        return; // every phrase of the list comes from the content: nothing to explain otherwise
    }
    --quiz_.Broi_werni;
    quiz_.Wywedi_dwoika();
    Obqsni_nomer(match + 1);
}

} // namespace keb
