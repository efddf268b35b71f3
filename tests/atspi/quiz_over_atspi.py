#!/usr/bin/python3
"""A whole quiz through the accessibility bus (AT-SPI), as switch access, voice control and a
screen reader's "activate" drive a program: actions, table selection and values only, no
pointer and no keys. Starts the built program, chooses pairs, enters and withdraws them,
evaluates, explains an answer, then opens "Color", switches the colour target, sets a slider,
chooses a size and saves; after each step it reads what a learner would see.

    quiz_over_atspi.py PROGRAM

Needs an X display and a session bus in the environment; the accessibility bus is started
through the session bus.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PAIRS = [
    ("Айдахо", "Бойзи "), ("Айова", "Де Мойн "), ("Алабама", "Монгомъри "),
    ("Аляска", "Джуно "), ("Аризона", "Финикс "), ("Арканзас", "Литъл Рок "),
    ("Вашингтон", "Олимпия "), ("Вирджиния", "Ричмънд "), ("Върмонт", "Монпелие "),
    ("Делауеър", "Доувър "), ("Джорджия", "Атланта "), ("Западна Вирджиния", "Чарлстън "),
    ("Илинойс", "Спрингфилд "), ("Индиана", "Индианаполис "), ("Калифорния", "Сакраменто "),
    ("Канзас", "Топика "), ("Кентъки", "Франкфорт "), ("Колорадо", "Денвър "),
    ("Кънектикът", "Хардфорд "), ("Луизиана", "Батън Руж "), ("Масачузетс", "Бостън "),
    ("Мейн", "Огъста "), ("Мериленд", "Анаполис "), ("Минесота", "Сейнт Пол "),
    ("Мисисипи", "Джакстън "), ("Мисури", "Джеферсън сити "), ("Мичигън", "Лансинг "),
    ("Монтана", "Хелена "), ("Небраска", "Линкълн "), ("Невада", "Карсън сити "),
    ("Ню Джърси", "Трентън "), ("Ню Йорк", "Олбъни "), ("Ню Мексико", "Санта Фе "),
    ("Ню Хемпшир", "Конкорд "), ("Оклахома", "Оклахома сити "), ("Орегон", "Салем "),
    ("Охайо", "Калумбус "), ("Пенсилвания", "Харисбърг "), ("Род Айлънд", "Провидънс "),
    ("Северна Дакота", "Бисмарк "),
]


class Failure(Exception):
    pass


def expect(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(condition, what, seconds=5.0):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        if condition():
            return
        time.sleep(0.01)
    raise Failure("waited in vain for " + what)


def descendants(node, depth=0):
    """The controls below the node; a list's items are looked up through the list."""
    if node is None or depth > 8:
        return
    yield node
    try:
        if node.getRole() == pyatspi.ROLE_LIST:
            return
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except GLib.GError:
        return  # gone meanwhile
    for child in children:
        yield from descendants(child, depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.GError:
        return False


def find(root, role=None, name=None, nth=0, description=None):
    """The nth showing object of the role, name and description given, in the tree's order."""
    found = [n for n in descendants(root)
             if showing(n) and (role is None or n.getRole() == role)
             and (name is None or n.name.strip() == name.strip())
             and (description is None or n.description.strip() == description.strip())
             and showing(n)]
    expect(len(found) > nth, "no %s %r %r" % (role, name, description))
    return found[nth]


def act(node, *names):
    """Does the node's first action of these names."""
    action = node.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            action.doAction(offered.index(name))
            return
    raise Failure("%r offers %s, not %s" % (node.name, offered, list(names)))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def item(list_node, name):
    for i in range(list_node.childCount):
        child = list_node.getChildAtIndex(i)
        if child.name == name:
            return i, child
    raise Failure("no item %r in %r" % (name, list_node.name))


def selected_rows(list_node):
    return [i for i in range(list_node.childCount)
            if list_node.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED)]


class Quiz:
    def __init__(self, program):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([program], env=env, stderr=subprocess.PIPE)
        self.app = None
        wait_for(self._registered, "the program on the accessibility bus", 20)
        self.main = find(self.app, pyatspi.ROLE_FRAME)
        self.left = find(self.main, pyatspi.ROLE_LIST, nth=0)
        self.right = find(self.main, pyatspi.ROLE_LIST, nth=1)
        self.answers = find(self.main, pyatspi.ROLE_LIST, "Набор от вече въведени отговори")

    def _registered(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid and app.childCount:
                self.app = app
                return True
        return False

    def counter(self):
        return find(self.main, pyatspi.ROLE_LABEL, nth=0).name

    def choose(self, list_node, name, through_the_table=False):
        row, child = item(list_node, name)
        if through_the_table:
            expect(list_node.queryTable().addRowSelection(row), "the table selects row %d" % row)
        else:
            act(child, "Press", "Toggle")
        wait_for(lambda: selected_rows(list_node) == [row],
                 "%r alone selected in %r" % (name, list_node.name))

    def press(self, caption, then, what):
        act(find(self.main, pyatspi.ROLE_PUSH_BUTTON, caption), "Press")
        wait_for(then, what)


def whole_quiz(program):
    quiz = Quiz(program)
    expect(quiz.counter() == "Оставащи:", "the counter at start reads " + quiz.counter())
    expect(selected_rows(quiz.left) == [0], "the first state selected at start")

    # Forty pairs, the right phrase chosen through the table every other time; the last two
    # crossed.
    for n, (state, _) in enumerate(PAIRS, start=1):
        capital = PAIRS[n - 1][1] if n <= 38 else PAIRS[78 - n][1]
        quiz.choose(quiz.left, state)
        quiz.choose(quiz.right, capital, through_the_table=n % 2 == 0)
        remaining = "Остават: %d" % (50 - n)
        quiz.press("Избрах", lambda: quiz.counter() == remaining, remaining)
    expect(quiz.answers.childCount == 40, "forty answers")
    last = quiz.answers.getChildAtIndex(39).name
    expect(last == "Северна Дакота Провидънс ", "the last answer reads " + last)

    # Withdraw the last answer; enter it again.
    quiz.choose(quiz.answers, last)
    quiz.press("Върни", lambda: quiz.answers.childCount == 39, "the answer withdrawn")
    expect(quiz.counter() == "Остават: 11", "the counter after the withdrawal")
    quiz.choose(quiz.left, "Северна Дакота")
    quiz.choose(quiz.right, "Провидънс ")
    quiz.press("Избрах", lambda: quiz.answers.childCount == 40, "the answer entered again")

    # The score, the first answer checked, an answer explained.
    quiz.press("Оцени", lambda: quiz.counter().startswith("Верни"), "the score")
    expect(quiz.counter() == "Верни: 76%", "the score reads " + quiz.counter())
    check = find(quiz.main, name="зелено - Вярно; червено - Грешно")
    expect(text_of(check) == "ДА", "the first answer is right")
    quiz.choose(quiz.answers, "Род Айлънд Бисмарк ")
    wait_for(lambda: text_of(check) == "НЕ", "the crossed answer checked wrong")
    box = find(quiz.main, name="Указания и обяснения")
    explained = '\n"Род Айлънд" е във връзка с "Провидънс "'
    quiz.press("Обясни", lambda: text_of(box) == explained, "the explanation of the answer")

    # The colour window: the text colour's green to 200, 14 points, saved.
    act(find(quiz.main, pyatspi.ROLE_MENU_ITEM, "Color"), "Press")
    wait_for(lambda: any(f.name == "Формиране на цвят/избор на шрифт"
                         for f in quiz.app if f is not None and showing(f)),
             "the colour window")
    settings = find(quiz.app, pyatspi.ROLE_FRAME, "Формиране на цвят/избор на шрифт")
    option = find(settings, pyatspi.ROLE_RADIO_BUTTON,
                  "За настройване цвета на текста в текстовите полета")
    act(option, "Toggle", "Press")
    red = find(settings, pyatspi.ROLE_SLIDER, "Промяна на стойн остта на червената съставка")
    wait_for(lambda: red.queryValue().currentValue == 8, "the sliders on the text colour")
    readout = find(settings, pyatspi.ROLE_LABEL, description="Показва цифровата стойност на "
                   "формирания цвят в 16-ична бройна система")
    expect(readout.name == "Цвят в 10/16-тичен код = 8 /H8", "the read-out: " + readout.name)
    green = find(settings, pyatspi.ROLE_SLIDER, "Промяна на стойн остта на зелената съставка")
    green.queryValue().currentValue = 200
    wait_for(lambda: readout.name == "Цвят в 10/16-тичен код = 51208 /HC808",
             "the read-out of the new colour")
    sizes = find(settings, pyatspi.ROLE_LIST, "Определя размера на буквите")
    quiz.choose(sizes, "14")
    act(find(settings, pyatspi.ROLE_MENU_ITEM, "Запис"), "Press")
    wait_for(lambda: not any(showing(f) for f in quiz.app
                             if f is not None and f.name.startswith("Формиране")),
             "the colour window closed")

    # Exit ends the program, with nothing on its standard error.
    act(find(quiz.main, pyatspi.ROLE_MENU_ITEM, "Exit"), "Press")
    status = quiz.process.wait(timeout=30)
    errors = quiz.process.stderr.read().decode(errors="replace")
    expect(status == 0, "the program ended with status %d" % status)
    expect(errors == "", "the program wrote on standard error:\n" + errors)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        whole_quiz(sys.argv[1])
    except Failure as failure:
        print("FAILED: " + str(failure), file=sys.stderr)
        return 1
    print("A whole quiz and the colour window through the accessibility bus: every step as "
          "expected.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
