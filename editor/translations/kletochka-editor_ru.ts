<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DocumentFiles</name>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n byte(s) after its 63 questions. The game never reads them, and the editor shows the 63 questions without them.

To keep the file as it is, save your work as a new bank with Save As.</source>
        <translation>
            <numerusform>В файле «%1» после 63 вопросов есть ещё %n байт. Игра никогда их не читает, и редактор показывает 63 вопроса без них.

Чтобы файл остался как есть, сохраните работу как новый банк командой «Сохранить как».</numerusform>
            <numerusform>В файле «%1» после 63 вопросов есть ещё %n байта. Игра никогда их не читает, и редактор показывает 63 вопроса без них.

Чтобы файл остался как есть, сохраните работу как новый банк командой «Сохранить как».</numerusform>
            <numerusform>В файле «%1» после 63 вопросов есть ещё %n байт. Игра никогда их не читает, и редактор показывает 63 вопроса без них.

Чтобы файл остался как есть, сохраните работу как новый банк командой «Сохранить как».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is cut short: it holds only %n whole question(s) of 63, so the game cannot open it. The editor shows them; the other cells are empty.</source>
        <translation>
            <numerusform>Файл «%1» обрезан: в нём только %n целый вопрос из 63, поэтому игра не сможет его открыть. Редактор показывает их; остальные клетки пусты.</numerusform>
            <numerusform>Файл «%1» обрезан: в нём только %n целых вопроса из 63, поэтому игра не сможет его открыть. Редактор показывает их; остальные клетки пусты.</numerusform>
            <numerusform>Файл «%1» обрезан: в нём только %n целых вопросов из 63, поэтому игра не сможет его открыть. Редактор показывает их; остальные клетки пусты.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n byte(s) at its end, the start of a question, are left out.</source>
        <translation>
            <numerusform>Остаток в конце файла (%n байт, начало вопроса) не взят.</numerusform>
            <numerusform>Остаток в конце файла (%n байта, начало вопроса) не взят.</numerusform>
            <numerusform>Остаток в конце файла (%n байт, начало вопроса) не взят.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the questions as a new bank with Save As.</source>
        <translation>Сохраните вопросы как новый банк командой «Сохранить как».</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n byte(s) after its 63 questions, which saving over it would leave out.

Save your questions as a new bank under another name, or overwrite &quot;%1&quot; without those bytes?</source>
        <translation>
            <numerusform>В файле «%1» после 63 вопросов есть ещё %n байт; если записать поверх него, их не станет.

Сохранить вопросы как новый банк под другим именем или перезаписать «%1» без них?</numerusform>
            <numerusform>В файле «%1» после 63 вопросов есть ещё %n байта; если записать поверх него, их не станет.

Сохранить вопросы как новый банк под другим именем или перезаписать «%1» без них?</numerusform>
            <numerusform>В файле «%1» после 63 вопросов есть ещё %n байт; если записать поверх него, их не станет.

Сохранить вопросы как новый банк под другим именем или перезаписать «%1» без них?</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short, so the game cannot open it; saving over it would replace it with a whole bank of 63 questions.

Save your questions as a new bank under another name, or overwrite &quot;%1&quot;?</source>
        <translation>Файл «%1» обрезан, и игра не может его открыть; если записать поверх него, он станет целым банком из 63 вопросов.

Сохранить вопросы как новый банк под другим именем или перезаписать «%1»?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: it is protected against changes.

Overwrite it anyway (it stays read-only), or save under another name?</source>
        <translation>Файл «%1» защищён от изменений (только для чтения).

Всё равно записать поверх него (защита останется) или сохранить под другим именем?</translation>
    </message>
    <message>
        <source>You may not change &quot;%1&quot; or save files in its folder.

Save your questions under another name?</source>
        <translation>Вам нельзя изменять файл «%1» или сохранять файлы в его папке.

Сохранить вопросы под другим именем?</translation>
    </message>
    <message>
        <source>The disk is full, so &quot;%1&quot; could not be saved. The file is as it was. Free some space or save on another disk.</source>
        <translation>Диск заполнен, поэтому файл «%1» не сохранён. Файл остался прежним. Освободите место или сохраните на другой диск.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; no longer exists, so &quot;%2&quot; could not be saved. Save it somewhere else.</source>
        <translation>Папки «%1» больше нет, поэтому файл «%2» не сохранён. Сохраните его в другое место.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder now, not a file, so nothing was saved there. Save under another name.</source>
        <translation>«%1» теперь папка, а не файл, поэтому туда ничего не сохранено. Сохраните под другим именем.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ordinary file, so nothing was saved there. Save under another name.</source>
        <translation>«%1» — не обычный файл, поэтому туда ничего не сохранено. Сохраните под другим именем.</translation>
    </message>
    <message>
        <source>Nothing can be written on the disk of &quot;%1&quot; (is it a locked memory stick or a CD?). Save it somewhere else.</source>
        <translation>На диск, где лежит «%1», ничего нельзя записать (может быть, это флешка с защитой от записи или компакт-диск?). Сохраните в другое место.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was written, but the computer did not confirm that it is safely stored. Save it again, or on another disk.</source>
        <translation>Файл «%1» записан, но компьютер не подтвердил, что он надёжно сохранён. Сохраните ещё раз или на другой диск.</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot; failed halfway and the old file could not be put back. Its old contents are kept in &quot;%2&quot;.</source>
        <translation>Сохранение файла «%1» прервалось на середине, и прежний файл не удалось вернуть. Его прежнее содержимое лежит в файле «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there: another program deleted, moved or renamed it.

Save your questions there again, or under another name?</source>
        <translation>Файла «%1» больше нет: другая программа удалила, переместила или переименовала его.

Сохранить вопросы туда снова или под другим именем?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program after you opened or saved it.

Reload it from the disk (your changes are lost), overwrite it with your version, or save yours under another name?</source>
        <translation>Файл «%1» изменила другая программа после того, как вы его открыли или сохранили.

Открыть его заново с диска (ваши изменения пропадут), записать поверх него вашу версию или сохранить вашу версию под другим именем?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved. The file is as it was.</source>
        <translation>Файл «%1» не сохранён. Файл остался прежним.</translation>
    </message>
    <message>
        <source>The system says: %1</source>
        <translation>Сообщение системы: %1</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot;</source>
        <translation>строка %1: «%2»</translation>
    </message>
    <message numerus="yes">
        <source>In &quot;%1&quot;, %n text(s) look like numbers a spreadsheet rewrote in its own way, as it does with &quot;1e5&quot;, which it saves as &quot;1.00E+05&quot;:</source>
        <translation>
            <numerusform>В таблице «%1» %n текст похож на число, которое электронная таблица переписала по-своему, как она делает с «1e5», сохраняя его как «1.00E+05»:</numerusform>
            <numerusform>В таблице «%1» %n текста похожи на числа, которые электронная таблица переписала по-своему, как она делает с «1e5», сохраняя его как «1.00E+05»:</numerusform>
            <numerusform>В таблице «%1» %n текстов похожи на числа, которые электронная таблица переписала по-своему, как она делает с «1e5», сохраняя его как «1.00E+05»:</numerusform>
        </translation>
    </message>
    <message>
        <source>Check them against what was written; they are marked in the list of problems. A table saved as .xlsx keeps its texts as they were typed.</source>
        <translation>Сверьте их с тем, что было написано: они отмечены в списке замечаний. Таблица, сохранённая в формате .xlsx, хранит тексты в точности так, как их набрали.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Question editor</source>
        <translation>Редактор вопросов</translation>
    </message>
</context>
<context>
    <name>FaultTexts</name>
    <message numerus="yes">
        <source>%n byte(s) after the 63 questions, which the game never reads</source>
        <translation>
            <numerusform>после 63 вопросов ещё %n байт, игра его не читает</numerusform>
            <numerusform>после 63 вопросов ещё %n байта, игра их не читает</numerusform>
            <numerusform>после 63 вопросов ещё %n байт, игра их не читает</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>a zero byte: this is no table saved as text</source>
        <translation>нулевой байт: это не таблица, сохранённая как текст</translation>
    </message>
    <message>
        <source>a control character (byte 0x%1): this is no table saved as text</source>
        <translation>управляющий символ (байт 0x%1): это не таблица, сохранённая как текст</translation>
    </message>
    <message>
        <source>the file has no rows</source>
        <translation>в файле нет ни одной строки</translation>
    </message>
    <message>
        <source>the first row names the columns, but no questions follow it</source>
        <translation>в первой строке названия столбцов, а вопросов под ней нет</translation>
    </message>
    <message>
        <source>a field opens a quote mark that is never closed</source>
        <translation>поле открывает кавычку, которая нигде не закрыта</translation>
    </message>
    <message>
        <source>the quote mark opened here closes only on line %1, and text follows it there: is a closing quote mark missing?</source>
        <translation>открытая здесь кавычка закрывается только в строке %1, и после неё там идёт текст: не пропущена ли закрывающая кавычка?</translation>
    </message>
    <message>
        <source>a quote mark in the wrong place: a field with quote marks must be in quote marks as a whole, each of its own quote marks written twice</source>
        <translation>кавычка не на месте: поле, в котором есть кавычки, целиком берут в кавычки, а каждую его кавычку пишут дважды</translation>
    </message>
    <message>
        <source>the first row names the column &quot;%1&quot; twice</source>
        <translation>в первой строке дважды назван столбец «%1»</translation>
    </message>
    <message>
        <source>the first row has no column &quot;%1&quot;; it must name the columns round, cell, question, answer_a, answer_b, answer_c and correct</source>
        <translation>в первой строке нет столбца «%1»; она должна называть столбцы round, cell, question, answer_a, answer_b, answer_c и correct</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) in this row, but %1 in the first row</source>
        <translation>
            <numerusform>в этой строке %n поле, а в первой строке %1</numerusform>
            <numerusform>в этой строке %n поля, а в первой строке %1</numerusform>
            <numerusform>в этой строке %n полей, а в первой строке %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a second row for this question; the first is line %1</source>
        <translation>вторая строка для этого вопроса; первая — строка %1</translation>
    </message>
    <message>
        <source>the table has no row for this question</source>
        <translation>в таблице нет строки для этого вопроса</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 1 to %2</source>
        <translation>«%1» — не число от 1 до %2</translation>
    </message>
    <message>
        <source>no right answer: write its letter, A, B or C</source>
        <translation>нет правильного ответа: напишите его букву — A, B или C</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a Russian letter: write the Latin letter A, B or C, or 1, 2 or 3</source>
        <translation>«%1» — русская буква: напишите латинскую букву A, B или C либо цифру 1, 2 или 3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not A, B or C (nor 1, 2 or 3)</source>
        <translation>«%1» — не A, не B и не C (и не 1, 2 или 3)</translation>
    </message>
    <message>
        <source>a character that could not be read: save the table again in the Unicode encoding</source>
        <translation>символ, который не удалось прочитать: сохраните таблицу ещё раз в кодировке Юникод</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (%2) cannot be stored in a question bank, which holds only Russian and Latin letters, digits and common signs</source>
        <translation>символ «%1» (%2) нельзя сохранить в файле вопросов: в нём бывают только русские и латинские буквы, цифры и обычные знаки</translation>
    </message>
    <message numerus="yes">
        <source>%n character(s), but at most %1 fit</source>
        <translation>
            <numerusform>%n знак, а помещается не больше %1</numerusform>
            <numerusform>%n знака, а помещается не больше %1</numerusform>
            <numerusform>%n знаков, а помещается не больше %1</numerusform>
        </translation>
    </message>
    <message>
        <source>this line cannot be read as a question</source>
        <translation>эту строку не удаётся прочитать как вопрос</translation>
    </message>
    <message>
        <source>&quot;%1&quot; looks like a number a spreadsheet rewrote in exponent form: check that it is what was written</source>
        <translation>«%1» похоже на число, которое электронная таблица переписала в экспоненциальной форме: проверьте, что написано именно это</translation>
    </message>
    <message>
        <source>the table must hold the text itself: format the cell as text and type it again</source>
        <translation>в таблице должен быть сам текст: задайте ячейке текстовый формат и введите его заново</translation>
    </message>
    <message>
        <source>this is no .xlsx spreadsheet: save the table in the spreadsheet as .xlsx or CSV</source>
        <translation>это не таблица .xlsx: сохраните таблицу в электронной таблице в формате .xlsx или CSV</translation>
    </message>
    <message>
        <source>this is an old Excel file (.xls) or one locked with a password: save it as .xlsx without a password</source>
        <translation>это старый файл Excel (.xls) или файл с паролем: сохраните его в формате .xlsx без пароля</translation>
    </message>
    <message>
        <source>the spreadsheet has no sheet to read (its part %1 is missing)</source>
        <translation>в таблице нет листа, который можно прочитать (нет её части %1)</translation>
    </message>
    <message>
        <source>the spreadsheet is damaged: its part %1 cannot be read</source>
        <translation>таблица повреждена: её часть %1 не читается</translation>
    </message>
    <message>
        <source>the spreadsheet unpacks to far more than any table of questions, so it was not read</source>
        <translation>в распакованном виде таблица намного больше любой таблицы вопросов, поэтому она не прочитана</translation>
    </message>
    <message>
        <source>the cell refers to text number %1, which the spreadsheet does not hold: it is damaged</source>
        <translation>ячейка ссылается на текст номер %1, которого в таблице нет: таблица повреждена</translation>
    </message>
    <message>
        <source>a formula, &quot;%1&quot;; %2</source>
        <translation>формула «%1»; %2</translation>
    </message>
    <message>
        <source>a number, &quot;%1&quot;, which may not be what was typed; %2</source>
        <translation>число «%1», а набрано могло быть другое; %2</translation>
    </message>
    <message>
        <source>a date, &quot;%1&quot;; %2</source>
        <translation>дата «%1»; %2</translation>
    </message>
    <message>
        <source>a truth value, &quot;%1&quot;; %2</source>
        <translation>логическое значение «%1»; %2</translation>
    </message>
    <message>
        <source>an error value, &quot;%1&quot;; %2</source>
        <translation>значение ошибки «%1»; %2</translation>
    </message>
</context>
<context>
    <name>FieldFixes</name>
    <message>
        <source>a space</source>
        <translation>пробел</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>Replace %1</source>
        <translation>Заменить %1</translation>
    </message>
    <message numerus="yes">
        <source>Keep what fits: the first %n character(s) pasted</source>
        <translation>
            <numerusform>Оставить то, что помещается: первый %n вставленный символ</numerusform>
            <numerusform>Оставить то, что помещается: первые %n вставленных символа</numerusform>
            <numerusform>Оставить то, что помещается: первые %n вставленных символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace %1 and keep what fits: the first %n character(s) pasted</source>
        <translation>
            <numerusform>Заменить %1 и оставить то, что помещается: первый %n вставленный символ</numerusform>
            <numerusform>Заменить %1 и оставить то, что помещается: первые %n вставленных символа</numerusform>
            <numerusform>Заменить %1 и оставить то, что помещается: первые %n вставленных символов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FieldRules</name>
    <message>
        <source>The control character %1 cannot be shown on the one line the game draws.</source>
        <translation>Управляющий символ %1 нельзя показать в строке игры.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) cannot be stored: a question file holds only the characters of the Windows-1251 code page (Russian and Latin letters, digits and punctuation).</source>
        <translation>Символ «%1» (%2) нельзя сохранить: в файле вопросов есть место только для символов кодировки Windows-1251 (русские и латинские буквы, цифры и знаки препинания).</translation>
    </message>
    <message>
        <source>At most %1 characters fit in a field; this would make %2.</source>
        <translation>В поле помещается не больше %1 символов, а получилось бы %2.</translation>
    </message>
</context>
<context>
    <name>ReadFailures</name>
    <message>
        <source>There is no file &quot;%1&quot; here: it may have been moved, renamed or deleted.</source>
        <translation>Файла «%1» здесь нет: возможно, его переместили, переименовали или удалили.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: its folder &quot;%2&quot; does not exist.</source>
        <translation>Файл «%1» не открыть: его папки «%2» нет.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer to open &quot;%1&quot; now. Close a few programs and try again.</source>
        <translation>На компьютере открыто слишком много файлов, поэтому «%1» сейчас не открыть. Закройте несколько программ и попробуйте снова.</translation>
    </message>
    <message>
        <source>You may not read &quot;%1&quot;. Ask the file&apos;s owner for access, or copy it into a folder of your own.</source>
        <translation>У вас нет права читать «%1». Попросите доступ у владельца файла или скопируйте файл в свою папку.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a question file.</source>
        <translation>«%1» — это папка, а не файл вопросов.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole question bank: it ends before its 63rd question. It may be damaged, or not a question bank at all.</source>
        <translation>«%1» — не целый файл вопросов: он кончается раньше 63-го вопроса. Возможно, файл повреждён или это вовсе не файл вопросов.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is far too large to be a table of questions.</source>
        <translation>«%1» слишком велик для таблицы вопросов.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Файл «%1» не удалось прочитать.</translation>
    </message>
    <message>
        <source>The system says: %1</source>
        <translation>Сообщение системы: %1</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; was not opened: the table has %n mistake(s), listed line by line in the window. Fix the table in the spreadsheet and open it again.</source>
        <translation>
            <numerusform>Файл «%1» не открыт: в таблице %n ошибка, она показана в окне со своей строкой. Исправьте таблицу в редакторе таблиц и откройте её снова.</numerusform>
            <numerusform>Файл «%1» не открыт: в таблице %n ошибки, они перечислены в окне по строкам. Исправьте таблицу в редакторе таблиц и откройте её снова.</numerusform>
            <numerusform>Файл «%1» не открыт: в таблице %n ошибок, они перечислены в окне по строкам. Исправьте таблицу в редакторе таблиц и откройте её снова.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemDialogs</name>
    <message>
        <source>Open questions</source>
        <translation>Открыть вопросы</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <source>The questions in &quot;%1&quot; have changed. Save them?</source>
        <translation>Вопросы в «%1» изменены. Сохранить их?</translation>
    </message>
    <message>
        <source>The class will not see everything</source>
        <translation>Класс увидит не всё</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) would be shown empty or cut off in the game. Save anyway?</source>
        <translation>
            <numerusform>%n текст в игре будет пустым или обрезанным. Всё равно сохранить?</numerusform>
            <numerusform>%n текста в игре будут пустыми или обрезанными. Всё равно сохранить?</numerusform>
            <numerusform>%n текстов в игре будут пустыми или обрезанными. Всё равно сохранить?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Открыть заново</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Записать поверх</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t save</source>
        <translation>&amp;Не сохранять</translation>
    </message>
    <message>
        <source>Questions (*.qb *.xlsx *.csv);;Question banks (*.qb);;Tables (*.xlsx *.csv);;All files (*)</source>
        <translation>Вопросы (*.qb *.xlsx *.csv);;Банки вопросов (*.qb);;Таблицы (*.xlsx *.csv);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>kletochka::editor::BankDocument</name>
    <message>
        <source>The bank has no file yet: save it under a name first.</source>
        <translation>У вопросов ещё нет файла: сначала сохраните их под каким-нибудь именем.</translation>
    </message>
    <message>
        <source>Edit question</source>
        <translation>Правка вопроса</translation>
    </message>
    <message>
        <source>Edit answer</source>
        <translation>Правка ответа</translation>
    </message>
    <message>
        <source>Choose the right answer</source>
        <translation>Выбор правильного ответа</translation>
    </message>
</context>
<context>
    <name>kletochka::editor::EditorWindow</name>
    <message>
        <source>Question of the chosen cell</source>
        <translation>Вопрос выбранной клетки</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Замечания</translation>
    </message>
    <message>
        <source>Double-click or press Enter to go to the field</source>
        <translation>Двойной щелчок или Enter — перейти к полю</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>П&amp;ереход</translation>
    </message>
    <message>
        <source>&amp;Next cell</source>
        <translation>&amp;Следующая клетка</translation>
    </message>
    <message>
        <source>&amp;Previous cell</source>
        <translation>П&amp;редыдущая клетка</translation>
    </message>
    <message>
        <source>Round &amp;%1</source>
        <translation>Гейм &amp;%1</translation>
    </message>
    <message>
        <source>Round %1, cell %2</source>
        <translation>Гейм %1, клетка %2</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Заполнена</translation>
    </message>
    <message>
        <source>Not filled yet</source>
        <translation>Ещё не заполнена</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n замечание</numerusform>
            <numerusform>%n замечания</numerusform>
            <numerusform>%n замечаний</numerusform>
        </translation>
    </message>
    <message>
        <source>New questions</source>
        <translation>Новые вопросы</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Не хватает памяти.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>&amp;Print host&apos;s sheet…</source>
        <translation>&amp;Печать листа ведущего…</translation>
    </message>
    <message>
        <source>Save host&apos;s sheet as P&amp;DF…</source>
        <translation>Лист ведущего в P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>вопросы</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Открыт файл %1</translation>
    </message>
    <message>
        <source>Save questions</source>
        <translation>Сохранить вопросы</translation>
    </message>
    <message>
        <source>Question banks (*.qb)</source>
        <translation>Файлы вопросов (*.qb)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Экспорт таблицы</translation>
    </message>
    <message>
        <source>Tables (*.csv)</source>
        <translation>Таблицы (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Таблица сохранена: %1</translation>
    </message>
    <message>
        <source>Save host&apos;s sheet</source>
        <translation>Сохранить лист ведущего</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The host&apos;s sheet could not be printed.</source>
        <translation>Лист ведущего не удалось напечатать.</translation>
    </message>
    <message>
        <source>No files yet</source>
        <translation>Пока нет файлов</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>Открыт заново: %1</translation>
    </message>
    <message>
        <source>What the class sees (font %1)</source>
        <translation>Что увидит класс (шрифт %1)</translation>
    </message>
    <message>
        <source>What the class sees (font %1 in place of the game&apos;s %2)</source>
        <translation>Что увидит класс (шрифт %1 вместо игрового %2)</translation>
    </message>
    <message>
        <source>Not written yet</source>
        <translation>Вопрос ещё не написан</translation>
    </message>
    <message>
        <source>%1 (table)</source>
        <translation>%1 (таблица)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Mistakes in &quot;%1&quot;</source>
        <translation>Ошибки в «%1»</translation>
    </message>
    <message>
        <source>&amp;Export table (.xlsx, for Excel and LibreOffice)…</source>
        <translation>&amp;Экспорт таблицы (.xlsx, для Excel и LibreOffice)…</translation>
    </message>
    <message>
        <source>Export table as CSV for &amp;LibreOffice (UTF-8)…</source>
        <translation>Экспорт таблицы в CSV для &amp;LibreOffice (UTF-8)…</translation>
    </message>
    <message>
        <source>Export table as CSV for Russian E&amp;xcel (Windows-1251, &quot;;&quot;)…</source>
        <translation>Экспорт таблицы в CSV для русского E&amp;xcel (Windows-1251, «;»)…</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Электронные таблицы (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>kletochka::editor::PreviewPane</name>
    <message>
        <source>Preview as the class sees it</source>
        <translation>Вопрос так, как его увидит класс</translation>
    </message>
    <message>
        <source>%1 (%2 pixels wide, room for %3)</source>
        <translation>%1 (ширина %2 пикс., а места %3)</translation>
    </message>
</context>
<context>
    <name>kletochka::editor::ProblemTexts</name>
    <message>
        <source>a character the game shows as a box</source>
        <translation>символ, который игра покажет квадратиком</translation>
    </message>
    <message>
        <source>character %1 is shown as a box in the game</source>
        <translation>%1-й символ игра покажет квадратиком</translation>
    </message>
    <message numerus="yes">
        <source>cut short: only %n whole question(s) of 63, so the game cannot open it</source>
        <translation>
            <numerusform>файл обрезан: в нём только %n целый вопрос из 63, игра не сможет его открыть</numerusform>
            <numerusform>файл обрезан: в нём только %n целых вопроса из 63, игра не сможет его открыть</numerusform>
            <numerusform>файл обрезан: в нём только %n целых вопросов из 63, игра не сможет его открыть</numerusform>
        </translation>
    </message>
    <message>
        <source>question</source>
        <translation>вопрос</translation>
    </message>
    <message>
        <source>answer A</source>
        <translation>ответ A</translation>
    </message>
    <message>
        <source>answer B</source>
        <translation>ответ B</translation>
    </message>
    <message>
        <source>answer C</source>
        <translation>ответ C</translation>
    </message>
    <message>
        <source>right answer</source>
        <translation>правильный ответ</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>The bank</source>
        <translation>Весь файл</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Гейм %1</translation>
    </message>
    <message>
        <source>Round %1, cell %2</source>
        <translation>Гейм %1, клетка %2</translation>
    </message>
    <message>
        <source>empty, the class would see nothing</source>
        <translation>пусто, класс ничего не увидит</translation>
    </message>
    <message>
        <source>too wide, the class would see it cut off</source>
        <translation>не помещается, класс увидит его обрезанным</translation>
    </message>
    <message>
        <source>&quot;&amp;&quot; is not shown, the letter after it is underlined</source>
        <translation>«&amp;» не видно, следующая буква подчёркнута</translation>
    </message>
    <message>
        <source>no right answer chosen</source>
        <translation>не выбран правильный ответ</translation>
    </message>
    <message>
        <source>the same question as another cell</source>
        <translation>такой же вопрос уже есть в другой клетке</translation>
    </message>
    <message>
        <source>too many right answers under one letter</source>
        <translation>слишком много правильных ответов под одной буквой</translation>
    </message>
    <message>
        <source>longer than a field holds, the game shows only its start</source>
        <translation>длиннее, чем вмещает поле, игра покажет только начало</translation>
    </message>
    <message>
        <source>not written yet</source>
        <translation>ещё не написан</translation>
    </message>
    <message numerus="yes">
        <source>Not written yet: %n question(s) of %1</source>
        <translation>
            <numerusform>Ещё не написан: %n вопрос из %1</numerusform>
            <numerusform>Ещё не написаны: %n вопроса из %1</numerusform>
            <numerusform>Ещё не написаны: %n вопросов из %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too often one letter: in round %1 the right answer is &quot;%2&quot; for %n of %3 questions</source>
        <translation>
            <numerusform>Слишком часто одна буква: в гейме %1 правильный ответ «%2» у %n вопроса из %3</numerusform>
            <numerusform>Слишком часто одна буква: в гейме %1 правильный ответ «%2» у %n вопросов из %3</numerusform>
            <numerusform>Слишком часто одна буква: в гейме %1 правильный ответ «%2» у %n вопросов из %3</numerusform>
        </translation>
    </message>
    <message>
        <source>round number</source>
        <translation>номер гейма</translation>
    </message>
    <message>
        <source>cell number</source>
        <translation>номер клетки</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>гейм %1</translation>
    </message>
    <message>
        <source>round %1, cell %2</source>
        <translation>гейм %1, клетка %2</translation>
    </message>
</context>
<context>
    <name>kletochka::editor::QuestionForm</name>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Вопрос:</translation>
    </message>
    <message>
        <source>Answer &amp;A:</source>
        <translation>Ответ &amp;A:</translation>
    </message>
    <message>
        <source>Answer &amp;B:</source>
        <translation>Ответ &amp;B:</translation>
    </message>
    <message>
        <source>Answer &amp;C:</source>
        <translation>Ответ &amp;C:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Answer A</source>
        <translation>Ответ A</translation>
    </message>
    <message>
        <source>Answer B</source>
        <translation>Ответ B</translation>
    </message>
    <message>
        <source>Answer C</source>
        <translation>Ответ C</translation>
    </message>
    <message>
        <source>%1: characters left</source>
        <translation>%1: осталось символов</translation>
    </message>
    <message>
        <source>Right answer %1</source>
        <translation>Правильный ответ %1</translation>
    </message>
    <message>
        <source>&amp;Right answer:</source>
        <translation>Правильный &amp;ответ:</translation>
    </message>
    <message>
        <source>Why the last edit was refused</source>
        <translation>Почему не принята последняя правка</translation>
    </message>
    <message>
        <source>Estimated from the width left on the screen line; a field holds at most %1 characters</source>
        <translation>Оценка по ширине, что осталась в строке на экране; поле вмещает не больше %1 символов</translation>
    </message>
    <message numerus="yes">
        <source>≈%n letter(s) too many for the screen</source>
        <translation>
            <numerusform>на ≈%n букву больше, чем помещается на экране</numerusform>
            <numerusform>на ≈%n буквы больше, чем помещается на экране</numerusform>
            <numerusform>на ≈%n букв больше, чем помещается на экране</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>≈%n more letter(s)</source>
        <translation>
            <numerusform>ещё ≈%n буква</numerusform>
            <numerusform>ещё ≈%n буквы</numerusform>
            <numerusform>ещё ≈%n букв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more letter(s), the field&apos;s limit</source>
        <translation>
            <numerusform>ещё %n буква, больше поле не вместит</numerusform>
            <numerusform>ещё %n буквы, больше поле не вместит</numerusform>
            <numerusform>ещё %n букв, больше поле не вместит</numerusform>
        </translation>
    </message>
    <message>
        <source>the field is full</source>
        <translation>поле заполнено</translation>
    </message>
</context>
<context>
    <name>kletochka::editor::RoundBoards</name>
    <message>
        <source>Round %1</source>
        <translation>Гейм %1</translation>
    </message>
    <message>
        <source>Round %1, cell %2</source>
        <translation>Гейм %1, клетка %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes and checks the questions of a game bank.</source>
        <translation>Составление и проверка вопросов для игры «Турнир-клеточка».</translation>
    </message>
    <message>
        <source>A .qb bank, or an .xlsx or .csv table, to open.</source>
        <translation>Банк .qb или таблица .xlsx или .csv, которую открыть.</translation>
    </message>
</context>
</TS>
