#include "explain/explanation.h"

#include "content/content_store.h"
#include "content/numbers.h"
#include "explain/phrase_pictures.h"
#include "quiz/quiz_parts.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

namespace keb {

using content::itemAt;

std::string Explanation::text(const content::ContentStore& content, int n) {
    std::string text = "\r\n\"" + itemAt(content.danni(0), n - 1) + "\" е във връзка с \"" +
                       itemAt(content.danni(1), n - 1) + "\"";
    if (content::leadingNumber(itemAt(content.otgowor(0), n)) > 0) {
        for (const std::string& line : content.otgowor(n)) {
            text += "\r\n" + line;
        }
    }
    return text;
}

void Explanation::Obqsni_nomer(QuizParts& quiz, int n) {
    quiz.explanationBox.setText("");
    quiz.explanationBox.setText(text(content_, n));
    pictures_.Pokaji_grafika(quiz, n);
}

void Explanation::Obqsni_otgowor(QuizParts& quiz) {
    const int k = quiz.Slowo[2].listIndex();
    quiz.answerKeys.setListIndex(k);
    Obqsni_nomer(quiz, content::leadingWhole(quiz.answerKeys.item(k)));
}

// An explanation given before the evaluation does not count against the score: the pair it
// enters is graded like any other. The count of correct answers is lowered here as the quiz has
// always done, but the evaluation counts afresh from 0.
void Explanation::Obqsni_izbor(QuizParts& quiz) {
    const int selected = quiz.Slowo[0].listIndex();
    if (selected < 0) {
        return;
    }
    const int match = content_.firstMatch(0, quiz.Slowo[0].item(selected));
    if (match < 0) {
        return; // every phrase of the list comes from the content: nothing to explain otherwise
    }
    --quiz.Broi_werni;
    quiz.Wywedi_dwoika();
    Obqsni_nomer(quiz, match + 1);
}

} // namespace keb
