<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>FoundInstrumentsDialog</name>
    <message>
        <source>Найденные приборы</source>
        <translation>Found instruments</translation>
    </message>
    <message>
        <source>Выберите прибор, с которым работать:</source>
        <translation>Select the instrument to work with:</translation>
    </message>
    <message>
        <source>Сетевой адрес</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>Скорость, бод</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Номер прибора</source>
        <translation>Instrument No.</translation>
    </message>
    <message>
        <source>Тип прибора</source>
        <translation>Instrument type</translation>
    </message>
    <message>
        <source>Версия ПО</source>
        <translation>Firmware ver.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>История измерений</source>
        <translation>Measurement history</translation>
    </message>
    <message>
        <source>&amp;Открыть журнал…</source>
        <translation>&amp;Open log…</translation>
    </message>
    <message>
        <source>IZM.txt или журналы CSV (IZM-ГГГГММДД.csv), один или несколько дней</source>
        <translation>IZM.txt or CSV logs (IZM-YYYYMMDD.csv), one or more days</translation>
    </message>
    <message>
        <source>О&amp;бновить</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>Прочитать открытые журналы заново: в них добавились строки</source>
        <translation>Read the open logs again: new lines have been added</translation>
    </message>
    <message>
        <source>Журнал измерений в &amp;CSV</source>
        <translation>Measurement log in CS&amp;V</translation>
    </message>
    <message>
        <source>Каждая строка журнала измерений идёт также в IZM-ГГГГММДД.csv рабочей папки: с датой, миллисекундами и часовым поясом, значениями и статусами обоих каналов, реле и уставками</source>
        <translation>Every measurement log line also goes to IZM-YYYYMMDD.csv in the working folder: with date, milliseconds and time zone, values and statuses of both channels, relays and setpoints</translation>
    </message>
    <message>
        <source>&amp;График: колесо мыши — масштаб времени (с Ctrl — значений), протяжка — сдвиг, протяжка правой кнопкой или с Shift — увеличить выделенное, Home — всё</source>
        <translation>C&amp;hart: mouse wheel — time scale (with Ctrl — values), drag — pan, right-drag or Shift+drag — zoom to selection, Home — all</translation>
    </message>
    <message>
        <source>&amp;Показать всё</source>
        <translation>&amp;Show all</translation>
    </message>
    <message>
        <source>Весь журнал, как клавиша Home на графике</source>
        <translation>The whole log, as the Home key on the chart</translation>
    </message>
    <message>
        <source>&amp;Экспорт показанного в CSV…</source>
        <translation>&amp;Export shown to CSV…</translation>
    </message>
    <message>
        <source>Рисунок P&amp;NG…</source>
        <translation>P&amp;NG image…</translation>
    </message>
    <message>
        <source>Рисунок PD&amp;F…</source>
        <translation>PD&amp;F image…</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>Журнал настроек</source>
        <translation>Settings journal</translation>
    </message>
    <message>
        <source>&amp;Записи журнала:</source>
        <translation>Journal &amp;entries:</translation>
    </message>
    <message>
        <source>Показать &amp;все приборы</source>
        <translation>Show &amp;all instruments</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Заводской номер</source>
        <translation>Serial No.</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Сравнить со страницами…</source>
        <translation>&amp;Compare with pages…</translation>
    </message>
    <message>
        <source>Показать, чем выбранная запись отличается от настроек на страницах</source>
        <translation>Show how the selected entry differs from the settings on the pages</translation>
    </message>
    <message>
        <source>&amp;Загрузить на страницы</source>
        <translation>&amp;Load to pages</translation>
    </message>
    <message>
        <source>Загрузить настройки выбранной записи на страницы, как из файла настройки. В прибор они не записываются</source>
        <translation>Load the settings of the selected entry to the pages, as from a settings file. They are not written to the instrument</translation>
    </message>
    <message>
        <source>Вернуть настройки &amp;до записи</source>
        <translation>Restore settings &amp;before write</translation>
    </message>
    <message>
        <source>Загрузить на страницы последнее удачное чтение этого прибора перед его последней записью</source>
        <translation>Load to the pages the last successful read of this instrument before its last write</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>LineResultsDialog</name>
    <message>
        <source>Запись в несколько приборов</source>
        <translation>Write to several instruments</translation>
    </message>
    <message>
        <source>Результат записи в каждый прибор:</source>
        <translation>Result of the write to each instrument:</translation>
    </message>
    <message>
        <source>Сетевой адрес</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>Скорость, бод</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Номер прибора</source>
        <translation>Instrument No.</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>LinkSettingsDialog</name>
    <message>
        <source>Параметры связи</source>
        <translation>Link settings</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Порт n открывает COMn в рабочей папке, иначе /dev/ttyUSB(n-1), иначе /dev/ttyS(n-1)</source>
        <translation>Port n opens COMn in the working folder, else /dev/ttyUSB(n-1), else /dev/ttyS(n-1)</translation>
    </message>
    <message>
        <source>Устройство порта</source>
        <translation>Port device</translation>
    </message>
    <message>
        <source>Скорость обмена, бод</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Скорость, на которой прибор отвечает</source>
        <translation>Baud rate the instrument answers at</translation>
    </message>
    <message>
        <source>Сетевой адрес</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>Адрес прибора в каждом запросе</source>
        <translation>Instrument address in every request</translation>
    </message>
    <message>
        <source>Число попыток</source>
        <translation>Attempts</translation>
    </message>
    <message>
        <source>Попыток на один запрос. Следующий запуск тоже возьмёт это число, а в dev.dat снова запишет 2</source>
        <translation>Attempts per request. The next start also takes this number, and writes 2 to dev.dat again</translation>
    </message>
    <message>
        <source>Тайм аут ответа, с</source>
        <translation>Reply timeout, s</translation>
    </message>
    <message>
        <source>Сколько ждать ответа на один запрос; меньше 1 с не ждём</source>
        <translation>How long to wait for a reply to one request; never less than 1 s</translation>
    </message>
</context>
<context>
    <name>Operator</name>
    <message>
        <source>%1, %2: никто не ответил.</source>
        <translation>%1, %2: no one answered.</translation>
    </message>
    <message>
        <source>%1. Выбор действует до закрытия программы.</source>
        <translation>%1. The choice holds until the program is closed.</translation>
    </message>
    <message>
        <source>В профиле нет настроек, которые записываются в прибор: %1 (%2). Они получили значения по умолчанию.</source>
        <translation>The profile lacks settings that are written to the instrument: %1 (%2). They got default values.</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Недавние профили</source>
        <translation>Recent profiles</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Профиль не найден: %1</source>
        <translation>Profile not found: %1</translation>
    </message>
    <message>
        <source>%1 (до ступеньки регулирование не установилось)</source>
        <translation>%1 (control had not settled before the step)</translation>
    </message>
    <message>
        <source>%1 Августа %2</source>
        <translation>%1 August %2</translation>
    </message>
    <message>
        <source>%1 Апреля %2</source>
        <translation>%1 April %2</translation>
    </message>
    <message>
        <source>%1 Декабря %2</source>
        <translation>%1 December %2</translation>
    </message>
    <message>
        <source>%1 Июля %2</source>
        <translation>%1 July %2</translation>
    </message>
    <message>
        <source>%1 Июня %2</source>
        <translation>%1 June %2</translation>
    </message>
    <message>
        <source>%1 Марта %2</source>
        <translation>%1 March %2</translation>
    </message>
    <message>
        <source>%1 Мая %2</source>
        <translation>%1 May %2</translation>
    </message>
    <message>
        <source>%1 Ноября %2</source>
        <translation>%1 November %2</translation>
    </message>
    <message>
        <source>%1 Октября %2</source>
        <translation>%1 October %2</translation>
    </message>
    <message>
        <source>%1 Сентября %2</source>
        <translation>%1 September %2</translation>
    </message>
    <message>
        <source>%1 Февраля %2</source>
        <translation>%1 February %2</translation>
    </message>
    <message>
        <source>%1 Января %2</source>
        <translation>%1 January %2</translation>
    </message>
    <message>
        <source>%1, %2 бод, адрес %3</source>
        <translation>%1, %2 baud, address %3</translation>
    </message>
    <message>
        <source>%1. Задание возвращено: %2.</source>
        <translation>%1. Target restored: %2.</translation>
    </message>
    <message>
        <source>%1. Прибор не ответил: задание может остаться %2, а ШИМ в ручном режиме. Проверьте прибор.</source>
        <translation>%1. The instrument did not answer: the target may remain %2, and PWM in manual mode. Check the instrument.</translation>
    </message>
    <message>
        <source>%1. Прибор не ответил: он может остаться в режиме ручного управления ШИМ с включённым нагревателем. Выключите доступ к ШИМ на странице «Прямое управление» или на самом приборе.</source>
        <translation>%1. The instrument did not answer: it may stay in manual PWM control with the heater on. Disable PWM access on the page &quot;Direct control&quot; or on the instrument itself.</translation>
    </message>
    <message>
        <source>%1. Ручное управление ШИМ выключено, прибор регулирует сам с прежними коэффициентами.</source>
        <translation>%1. Manual PWM control is off, the instrument regulates by itself with the previous coefficients.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1.
Проверьте подключение прибора, «Параметры связи…» или «Найти прибор…».</source>
        <translation>%1.
Check the instrument connection, &quot;Link settings…&quot; or &quot;Find instrument…&quot;.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>100М ТС медь Ro=100 W=1.426</source>
        <translation>100M RTD copper Ro=100 W=1.426</translation>
    </message>
    <message>
        <source>100М ТС медь Ro=100 W=1.428</source>
        <translation>100M RTD copper Ro=100 W=1.428</translation>
    </message>
    <message>
        <source>100П ТС платина Ro=100 W=1.391</source>
        <translation>100P RTD platinum Ro=100 W=1.391</translation>
    </message>
    <message>
        <source>50М ТС медь Ro=50 W=1.426</source>
        <translation>50M RTD copper Ro=50 W=1.426</translation>
    </message>
    <message>
        <source>50М ТС медь Ro=50 W=1.428</source>
        <translation>50M RTD copper Ro=50 W=1.428</translation>
    </message>
    <message>
        <source>50П ТС платина Ro=50 W=1.391</source>
        <translation>50P RTD platinum Ro=50 W=1.391</translation>
    </message>
    <message>
        <source>53М Гр 23 ТС медь Ro=53 W=1.426</source>
        <translation>53M Gr 23 RTD copper Ro=53 W=1.426</translation>
    </message>
    <message>
        <source>53М Гр 23 ТС медь Ro=53 W=1.428</source>
        <translation>53M Gr 23 RTD copper Ro=53 W=1.428</translation>
    </message>
    <message>
        <source>740 НР Одноканальн. ПИД регул.</source>
        <translation>740 NR 1-chan. PID control</translation>
    </message>
    <message>
        <source>740/41 Н Одноканальный</source>
        <translation>740/41 N Single-channel</translation>
    </message>
    <message>
        <source>742 Н Двухканальный</source>
        <translation>742 N Two-channel</translation>
    </message>
    <message>
        <source>745 Н Одноканальн. проп.регул.</source>
        <translation>745 N 1-chan. prop. control</translation>
    </message>
    <message>
        <source>Pt100 ТС платина Ro=100 W=1.385</source>
        <translation>Pt100 RTD platinum Ro=100 W=1.385</translation>
    </message>
    <message>
        <source>T  дифф</source>
        <translation>T diff</translation>
    </message>
    <message>
        <source>T инт</source>
        <translation>T int</translation>
    </message>
    <message>
        <source>Адрес %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Адрес %1, № %2</source>
        <translation>Address %1, No. %2</translation>
    </message>
    <message>
        <source>В двухканальном  приборе реле 1 назначено на управление задвижкой. Записать так как есть?</source>
        <translation>In a two-channel instrument relay 1 is assigned to valve control. Write as is?</translation>
    </message>
    <message>
        <source>В двухканальном  приборе реле 2 назначено на управление задвижкой. Записать так как есть?</source>
        <translation>In a two-channel instrument relay 2 is assigned to valve control. Write as is?</translation>
    </message>
    <message>
        <source>В двухканальном приборе реле 1 назначено на вторую уставку второго канала. Записать так как есть?</source>
        <translation>In a two-channel instrument relay 1 is assigned to the second setpoint of the second channel. Write as is?</translation>
    </message>
    <message>
        <source>В двухканальном приборе реле 1 назначено на вторую уставку первого канала. Записать так как есть?</source>
        <translation>In a two-channel instrument relay 1 is assigned to the second setpoint of the first channel. Write as is?</translation>
    </message>
    <message>
        <source>В двухканальном приборе реле 2 назначено на вторую уставку второго канала. Записать так как есть?</source>
        <translation>In a two-channel instrument relay 2 is assigned to the second setpoint of the second channel. Write as is?</translation>
    </message>
    <message>
        <source>В двухканальном приборе реле 2 назначено на вторую уставку первого канала. Записать так как есть?</source>
        <translation>In a two-channel instrument relay 2 is assigned to the second setpoint of the first channel. Write as is?</translation>
    </message>
    <message>
        <source>В журнале нет удачного чтения прибора № %1, сделанного до его последней записи: вернуть нечего.</source>
        <translation>The journal has no successful read of instrument No. %1 made before its last write: nothing to restore.</translation>
    </message>
    <message>
        <source>В одноканальном приборе реле 1 назначено на второй канал. Записать так как есть?</source>
        <translation>In a single-channel instrument relay 1 is assigned to the second channel. Write as is?</translation>
    </message>
    <message>
        <source>В одноканальном приборе реле 1 назначено на управление задвижкой. Записать так как есть?</source>
        <translation>In a single-channel instrument relay 1 is assigned to valve control. Write as is?</translation>
    </message>
    <message>
        <source>В одноканальном приборе реле 2 назначено на второй канал. Записать так как есть?</source>
        <translation>In a single-channel instrument relay 2 is assigned to the second channel. Write as is?</translation>
    </message>
    <message>
        <source>В одноканальном приборе реле 2 назначено на управление задвижкой. Записать так как есть?</source>
        <translation>In a single-channel instrument relay 2 is assigned to valve control. Write as is?</translation>
    </message>
    <message>
        <source>В ответе много мусора, ответ не разобран</source>
        <translation>Too much noise in the reply, reply not parsed</translation>
    </message>
    <message>
        <source>В приборе управляющем задвижками реле 1 назначено еще и на уставки или обрыв. Записать так как есть?</source>
        <translation>In a valve-control instrument relay 1 is also assigned to setpoints or break. Write as is?</translation>
    </message>
    <message>
        <source>В приборе управляющем задвижками реле 2 назначено еще и на уставки или обрыв. Записать так как есть?</source>
        <translation>In a valve-control instrument relay 2 is also assigned to setpoints or break. Write as is?</translation>
    </message>
    <message>
        <source>Величина гистерезиса</source>
        <translation>Hysteresis value</translation>
    </message>
    <message>
        <source>Величина уставки</source>
        <translation>Setpoint value</translation>
    </message>
    <message>
        <source>Версия ПО прибора</source>
        <translation>Instrument firmware version</translation>
    </message>
    <message>
        <source>Верхний предел калибровки ki020</source>
        <translation>Upper calibration limit ki020</translation>
    </message>
    <message>
        <source>Верхний предел калибровки ki05</source>
        <translation>Upper calibration limit ki05</translation>
    </message>
    <message>
        <source>Верхний предел калибровки ku</source>
        <translation>Upper calibration limit ku</translation>
    </message>
    <message>
        <source>Верхний предел калибровки ku10</source>
        <translation>Upper calibration limit ku10</translation>
    </message>
    <message>
        <source>Верхний предел калибровки rref</source>
        <translation>Upper calibration limit rref</translation>
    </message>
    <message>
        <source>Верхний предел калибровки uref</source>
        <translation>Upper calibration limit uref</translation>
    </message>
    <message>
        <source>Верхняя граница датчика «%1»</source>
        <translation>Upper limit of sensor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Вид отображения ошибки</source>
        <translation>Error display mode</translation>
    </message>
    <message>
        <source>Возврат задания %1</source>
        <translation>Restoring target %1</translation>
    </message>
    <message>
        <source>Возврат регулирования прибору</source>
        <translation>Handing control back to the instrument</translation>
    </message>
    <message>
        <source>Возможно, несколько приборов на адресе %1</source>
        <translation>Possibly several instruments at address %1</translation>
    </message>
    <message>
        <source>Выход за диапазон</source>
        <translation>Out of range</translation>
    </message>
    <message>
        <source>Гистерезис уставки 2 канала 2</source>
        <translation>Setpoint 2 hysteresis, channel 2</translation>
    </message>
    <message>
        <source>Данные еще не готовы</source>
        <translation>Data not ready yet</translation>
    </message>
    <message>
        <source>Диапазон</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Для остановки нажмите ESC</source>
        <translation>Press ESC to stop</translation>
    </message>
    <message>
        <source>Для прекращения нажмите ESC</source>
        <translation>Press ESC to abort</translation>
    </message>
    <message>
        <source>Для реле 1 неправильно выбран источник срабатывания. Записать так как есть?</source>
        <translation>Wrong trip source selected for relay 1. Write as is?</translation>
    </message>
    <message>
        <source>Для реле 2 неправильно выбран источник срабатывания. Записать так как есть?</source>
        <translation>Wrong trip source selected for relay 2. Write as is?</translation>
    </message>
    <message>
        <source>Достигнута максимальная температура</source>
        <translation>Maximum temperature reached</translation>
    </message>
    <message>
        <source>Единица измерения канала 1</source>
        <translation>Unit of channel 1</translation>
    </message>
    <message>
        <source>Единица измерения канала 2</source>
        <translation>Unit of channel 2</translation>
    </message>
    <message>
        <source>Журнал настроек не ведётся: %1. На обмен с прибором это не влияет; до нового запуска программы это сообщение больше не появится.</source>
        <translation>Settings journal is not kept: %1. The exchange with the instrument is not affected; until the program is restarted this message will not appear again.</translation>
    </message>
    <message>
        <source>Журнал настроек</source>
        <translation>Settings journal</translation>
    </message>
    <message>
        <source>Задан большой тайм аут. Работать будет можно, но неудобно.</source>
        <translation>The reply time-out is long. It will work, but slowly.</translation>
    </message>
    <message>
        <source>Задан гистерезис 1 превышающий максимум диапазона. Прибор не будет работать правильно.</source>
        <translation>Hysteresis 1 set above the range maximum. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задан гистерезис 2 превышающий максимум диапазона. Прибор не будет работать правильно.</source>
        <translation>Hysteresis 2 set above the range maximum. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задан отрицательный гистерезис 1. Прибор не будет работать правильно.</source>
        <translation>Negative hysteresis 1 set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задан отрицательный коэффициент асимметрии. Прибор не будет работать правильно.</source>
        <translation>Negative asymmetry coefficient set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задана отрицательная зона ПИД управления. Прибор не будет работать правильно.</source>
        <translation>Negative PID control zone set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задана отрицательный гистерезис 2. Прибор не будет работать правильно.</source>
        <translation>Negative hysteresis 2 set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задано отрицательное время дифференцирования. Прибор не будет работать правильно.</source>
        <translation>Negative differentiation time set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задано отрицательное время интегрирования. Прибор не будет работать правильно.</source>
        <translation>Negative integration time set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задано отрицательное минимальное время импульса. Прибор не будет работать правильно.</source>
        <translation>Negative minimum pulse time set. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Задано отрицательное сопротивление линии для двухпроводного включения. Прибор не будет работать правильно.</source>
        <translation>Negative line resistance set for 2-wire connection. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Замечание по настройкам канала %1</source>
        <translation>Remark on settings of channel %1</translation>
    </message>
    <message>
        <source>Замечание по настройкам</source>
        <translation>Settings remark</translation>
    </message>
    <message>
        <source>Записан</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>Записываем вид отображения ошибки</source>
        <translation>Writing error display mode</translation>
    </message>
    <message>
        <source>Записываем тип прибора</source>
        <translation>Writing instrument type</translation>
    </message>
    <message>
        <source>Запись гистерезиса уставки 1</source>
        <translation>Writing setpoint 1 hysteresis</translation>
    </message>
    <message>
        <source>Запись гистерезиса уставки 2</source>
        <translation>Writing setpoint 2 hysteresis</translation>
    </message>
    <message>
        <source>Запись корректирующего полинома</source>
        <translation>Writing correction polynomial</translation>
    </message>
    <message>
        <source>Запись логики реле</source>
        <translation>Writing relay logic</translation>
    </message>
    <message>
        <source>Запись максимума диапазона</source>
        <translation>Writing range maximum</translation>
    </message>
    <message>
        <source>Запись минимума диапазона</source>
        <translation>Writing range minimum</translation>
    </message>
    <message>
        <source>Запись настроек канала %1</source>
        <translation>Writing settings of channel %1</translation>
    </message>
    <message>
        <source>Запись параметров регулятора</source>
        <translation>Writing regulator parameters</translation>
    </message>
    <message>
        <source>Запись разрешения извлечения корня</source>
        <translation>Writing square root enable</translation>
    </message>
    <message>
        <source>Запись разрешения работы канала</source>
        <translation>Writing channel enable</translation>
    </message>
    <message>
        <source>Запись скорости изменения гистерезиса</source>
        <translation>Writing hysteresis change rate</translation>
    </message>
    <message>
        <source>Запись скорости изменения уставки</source>
        <translation>Writing setpoint change rate</translation>
    </message>
    <message>
        <source>Запись смещения</source>
        <translation>Writing offset</translation>
    </message>
    <message>
        <source>Запись типа датчика</source>
        <translation>Writing sensor type</translation>
    </message>
    <message>
        <source>Запись типа уставки 1</source>
        <translation>Writing setpoint 1 type</translation>
    </message>
    <message>
        <source>Запись типа уставки 2</source>
        <translation>Writing setpoint 2 type</translation>
    </message>
    <message>
        <source>Запись усреднения</source>
        <translation>Writing averaging</translation>
    </message>
    <message>
        <source>Запись уставки 1</source>
        <translation>Writing setpoint 1</translation>
    </message>
    <message>
        <source>Запись уставки 2</source>
        <translation>Writing setpoint 2</translation>
    </message>
    <message>
        <source>Запись числа знаков после запятой</source>
        <translation>Writing number of decimals</translation>
    </message>
    <message>
        <source>Запись числа наблюдений</source>
        <translation>Writing number of observations</translation>
    </message>
    <message>
        <source>Знаков после запятой канала 2</source>
        <translation>Decimals, channel 2</translation>
    </message>
    <message>
        <source>Знаков</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Зона</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Идет чтение настроек канала %1</source>
        <translation>Reading settings of channel %1</translation>
    </message>
    <message>
        <source>Измерение сопротивления</source>
        <translation>Resistance measurement</translation>
    </message>
    <message>
        <source>Измерение шума</source>
        <translation>Measuring noise</translation>
    </message>
    <message>
        <source>Импульс регулятора канала 2</source>
        <translation>Regulator pulse, channel 2</translation>
    </message>
    <message>
        <source>Интервал записи измерений, с</source>
        <translation>Measurement logging interval, s</translation>
    </message>
    <message>
        <source>Интервал регулятора канала 2</source>
        <translation>Regulator interval, channel 2</translation>
    </message>
    <message>
        <source>Информация пользователю</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Использование реле</source>
        <translation>Relay use</translation>
    </message>
    <message>
        <source>Какая то ошибка</source>
        <translation>Some error</translation>
    </message>
    <message>
        <source>Какая-то ошибка в ответе</source>
        <translation>Some error in the reply</translation>
    </message>
    <message>
        <source>Калибровка del_ki</source>
        <translation>Calibration del_ki</translation>
    </message>
    <message>
        <source>Калибровка del_ku</source>
        <translation>Calibration del_ku</translation>
    </message>
    <message>
        <source>Калибровка del_ref</source>
        <translation>Calibration del_ref</translation>
    </message>
    <message>
        <source>Калибровка kalib_del</source>
        <translation>Calibration kalib_del</translation>
    </message>
    <message>
        <source>Калибровка kalib_usr</source>
        <translation>Calibration kalib_usr</translation>
    </message>
    <message>
        <source>Калибровка ki020 канала 1</source>
        <translation>Calibration ki020, channel 1</translation>
    </message>
    <message>
        <source>Калибровка ki020 канала 2</source>
        <translation>Calibration ki020, channel 2</translation>
    </message>
    <message>
        <source>Калибровка ki05 канала 1</source>
        <translation>Calibration ki05, channel 1</translation>
    </message>
    <message>
        <source>Калибровка ki05 канала 2</source>
        <translation>Calibration ki05, channel 2</translation>
    </message>
    <message>
        <source>Калибровка ku канала 1</source>
        <translation>Calibration ku, channel 1</translation>
    </message>
    <message>
        <source>Калибровка ku канала 2</source>
        <translation>Calibration ku, channel 2</translation>
    </message>
    <message>
        <source>Калибровка ku10 канала 1</source>
        <translation>Calibration ku10, channel 1</translation>
    </message>
    <message>
        <source>Калибровка ku10 канала 2</source>
        <translation>Calibration ku10, channel 2</translation>
    </message>
    <message>
        <source>Калибровка rref канала 1</source>
        <translation>Calibration rref, channel 1</translation>
    </message>
    <message>
        <source>Калибровка rref канала 2</source>
        <translation>Calibration rref, channel 2</translation>
    </message>
    <message>
        <source>Калибровка uref канала 1</source>
        <translation>Calibration uref, channel 1</translation>
    </message>
    <message>
        <source>Калибровка uref канала 2</source>
        <translation>Calibration uref, channel 2</translation>
    </message>
    <message>
        <source>Калибровка usr_ki</source>
        <translation>Calibration usr_ki</translation>
    </message>
    <message>
        <source>Калибровка usr_ku</source>
        <translation>Calibration usr_ku</translation>
    </message>
    <message>
        <source>Калибровка usr_ref</source>
        <translation>Calibration usr_ref</translation>
    </message>
    <message>
        <source>Канал выключен</source>
        <translation>Channel off</translation>
    </message>
    <message>
        <source>Колебания: цикл %1 из %2</source>
        <translation>Oscillation: cycle %1 of %2</translation>
    </message>
    <message>
        <source>Корнеизвлечение канала 2</source>
        <translation>Square root, channel 2</translation>
    </message>
    <message>
        <source>Корнеизвлечение</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>Коэфф асимметрии</source>
        <translation>Asym. coeff</translation>
    </message>
    <message>
        <source>Коэффициент полинома 0 канала 1</source>
        <translation>Polynomial coefficient 0, channel 1</translation>
    </message>
    <message>
        <source>Коэффициент полинома 0 канала 2</source>
        <translation>Polynomial coefficient 0, channel 2</translation>
    </message>
    <message>
        <source>Коэффициент полинома 1 канала 2</source>
        <translation>Polynomial coefficient 1, channel 2</translation>
    </message>
    <message>
        <source>Коэффициент полинома 2 канала 2</source>
        <translation>Polynomial coefficient 2, channel 2</translation>
    </message>
    <message>
        <source>Коэффициент полинома 3 канала 2</source>
        <translation>Polynomial coefficient 3, channel 2</translation>
    </message>
    <message>
        <source>Коэффициент пропорциональности</source>
        <translation>Proportional coefficient</translation>
    </message>
    <message>
        <source>Логика реле канала 1</source>
        <translation>Relay logic, channel 1</translation>
    </message>
    <message>
        <source>Логика реле канала 2</source>
        <translation>Relay logic, channel 2</translation>
    </message>
    <message>
        <source>Макс. длит. импульса</source>
        <translation>Max. pulse</translation>
    </message>
    <message>
        <source>Максимум диапазона канала 2</source>
        <translation>Range maximum, channel 2</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Мин. длит. имп.</source>
        <translation>Min. pulse</translation>
    </message>
    <message>
        <source>Минимум диапазона канала 2</source>
        <translation>Range minimum, channel 2</translation>
    </message>
    <message>
        <source>Минимум</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>На страницах нет заводского номера прибора: прочитайте прибор, чтобы найти в журнале его настройки до записи.</source>
        <translation>The pages have no instrument serial number: read the instrument to find in the journal its settings before the write.</translation>
    </message>
    <message>
        <source>Название канала 1</source>
        <translation>Name of channel 1</translation>
    </message>
    <message>
        <source>Название канала 2</source>
        <translation>Name of channel 2</translation>
    </message>
    <message>
        <source>Назначение реле 1 (канал 1)</source>
        <translation>Relay 1 assignment (channel 1)</translation>
    </message>
    <message>
        <source>Назначение реле 1 (канал 2)</source>
        <translation>Relay 1 assignment (channel 2)</translation>
    </message>
    <message>
        <source>Назначение реле 2 (канал 1)</source>
        <translation>Relay 2 assignment (channel 1)</translation>
    </message>
    <message>
        <source>Назначение реле 2 (канал 2)</source>
        <translation>Relay 2 assignment (channel 2)</translation>
    </message>
    <message>
        <source>Напряжение 0-10 В</source>
        <translation>Voltage 0-10 V</translation>
    </message>
    <message>
        <source>Напряжение 0-100 мВ</source>
        <translation>Voltage 0-100 mV</translation>
    </message>
    <message>
        <source>Напряжение 0-75 мВ</source>
        <translation>Voltage 0-75 mV</translation>
    </message>
    <message>
        <source>Настройка регулятора</source>
        <translation>Regulator tuning</translation>
    </message>
    <message>
        <source>Не выбран вид отображения ошибки.</source>
        <translation>No error display mode selected.</translation>
    </message>
    <message>
        <source>Не выбран период ШИМ.</source>
        <translation>No PWM period selected.</translation>
    </message>
    <message>
        <source>Не выбран тип датчика.</source>
        <translation>No sensor type selected.</translation>
    </message>
    <message>
        <source>Не выбран тип прибора.</source>
        <translation>No instrument type selected.</translation>
    </message>
    <message>
        <source>Не выбрана максимальная длительность импульса.</source>
        <translation>No maximum pulse duration selected.</translation>
    </message>
    <message>
        <source>Не выбрано число знаков после запятой.</source>
        <translation>No number of decimals selected.</translation>
    </message>
    <message>
        <source>Не выбрано число наблюдений перед срабатыванием реле.</source>
        <translation>No number of observations before relay trip selected.</translation>
    </message>
    <message>
        <source>Не выбрано число усреднений.</source>
        <translation>No number of averages selected.</translation>
    </message>
    <message>
        <source>Не дождались ответа</source>
        <translation>No reply in time</translation>
    </message>
    <message>
        <source>Не записан</source>
        <translation>Not written</translation>
    </message>
    <message>
        <source>Не отвечает канальный АЦП</source>
        <translation>Channel ADC not answering</translation>
    </message>
    <message>
        <source>Не совпадает записанное и прочитанное (ERR 15)</source>
        <translation>Written and read values differ (ERR 15)</translation>
    </message>
    <message>
        <source>Невозможно открыть последовательный порт</source>
        <translation>Cannot open the serial port</translation>
    </message>
    <message>
        <source>Неизвестный статус %1</source>
        <translation>Unknown status %1</translation>
    </message>
    <message>
        <source>Немедленная запись калибровки</source>
        <translation>Immediate calibration write</translation>
    </message>
    <message>
        <source>Неправильно задано число (ERR 23)</source>
        <translation>Number entered incorrectly (ERR 23)</translation>
    </message>
    <message>
        <source>Неправильное соотношение между диапазонами. Прибор не будет работать правильно.</source>
        <translation>Wrong relation between the ranges. The instrument will not work properly.</translation>
    </message>
    <message>
        <source>Нет ответа модуля (ERR 9)</source>
        <translation>No reply from module (ERR 9)</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Нижний предел калибровки ki020</source>
        <translation>Lower calibration limit ki020</translation>
    </message>
    <message>
        <source>Нижний предел калибровки ki05</source>
        <translation>Lower calibration limit ki05</translation>
    </message>
    <message>
        <source>Нижний предел калибровки ku</source>
        <translation>Lower calibration limit ku</translation>
    </message>
    <message>
        <source>Нижний предел калибровки ku10</source>
        <translation>Lower calibration limit ku10</translation>
    </message>
    <message>
        <source>Нижний предел калибровки rref</source>
        <translation>Lower calibration limit rref</translation>
    </message>
    <message>
        <source>Нижний предел калибровки uref</source>
        <translation>Lower calibration limit uref</translation>
    </message>
    <message>
        <source>Нижняя граница датчика «%1»</source>
        <translation>Lower limit of sensor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Номер прибора</source>
        <translation>Instrument No.</translation>
    </message>
    <message>
        <source>Номинальные диапазоны унифицированных входов</source>
        <translation>Nominal ranges of unified inputs</translation>
    </message>
    <message>
        <source>Нормальное измерение</source>
        <translation>Normal measurement</translation>
    </message>
    <message>
        <source>Обмен назначением реле</source>
        <translation>Exchange of relay assignment</translation>
    </message>
    <message>
        <source>Обмен общими параметрами</source>
        <translation>Exchange of general parameters</translation>
    </message>
    <message>
        <source>Обмен с каналом 1</source>
        <translation>Exchange with channel 1</translation>
    </message>
    <message>
        <source>Обмен с каналом 2</source>
        <translation>Exchange with channel 2</translation>
    </message>
    <message>
        <source>Обрыв</source>
        <translation>Sensor break</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Описание настроек, строка 1</source>
        <translation>Settings description, line 1</translation>
    </message>
    <message>
        <source>Описание настроек, строка 2</source>
        <translation>Settings description, line 2</translation>
    </message>
    <message>
        <source>Описание настроек, строка 3</source>
        <translation>Settings description, line 3</translation>
    </message>
    <message>
        <source>Описание настроек, строка 4</source>
        <translation>Settings description, line 4</translation>
    </message>
    <message>
        <source>Опыт длился дольше допустимого</source>
        <translation>Experiment lasted longer than allowed</translation>
    </message>
    <message>
        <source>Опыт завершён</source>
        <translation>Experiment finished</translation>
    </message>
    <message>
        <source>Опыт не начат</source>
        <translation>Experiment not started</translation>
    </message>
    <message>
        <source>Опыт прерван оператором</source>
        <translation>Experiment aborted by operator</translation>
    </message>
    <message>
        <source>Остывание до %1</source>
        <translation>Cooling down to %1</translation>
    </message>
    <message>
        <source>Ответ поврежден- не сошлась контрольная сумма (ERR 6)</source>
        <translation>Reply corrupted: checksum mismatch (ERR 6)</translation>
    </message>
    <message>
        <source>Отдается команда на перезагрузку прибора</source>
        <translation>Sending instrument restart command</translation>
    </message>
    <message>
        <source>Отображение ошибки</source>
        <translation>Error display</translation>
    </message>
    <message>
        <source>Ошибка в градуировках</source>
        <translation>Calibration table error</translation>
    </message>
    <message>
        <source>Ошибка в настройках канала %1</source>
        <translation>Error in settings of channel %1</translation>
    </message>
    <message>
        <source>Ошибка в настройках реле </source>
        <translation>Error in relay settings </translation>
    </message>
    <message>
        <source>Ошибка в операциях Windows при разборе ответа (ERR 18)</source>
        <translation>Windows operation error while parsing reply (ERR 18)</translation>
    </message>
    <message>
        <source>Ошибка в плавающей арифметике</source>
        <translation>Floating-point arithmetic error</translation>
    </message>
    <message>
        <source>Ошибка в разборе ответа</source>
        <translation>Error parsing the reply</translation>
    </message>
    <message>
        <source>Ошибка доступа к модулю АЦП (ERR 8)</source>
        <translation>ADC module access error (ERR 8)</translation>
    </message>
    <message>
        <source>Ошибка задания заводского номера прибора.</source>
        <translation>Error in instrument serial number.</translation>
    </message>
    <message>
        <source>Ошибка задания зоны ПИД управления.</source>
        <translation>Error in PID control zone.</translation>
    </message>
    <message>
        <source>Ошибка задания коэффициента 1 полинома.</source>
        <translation>Error in polynomial coefficient 1.</translation>
    </message>
    <message>
        <source>Ошибка задания коэффициента асимметрии.</source>
        <translation>Error in asymmetry coefficient.</translation>
    </message>
    <message>
        <source>Ошибка задания коэффициента времени дифференцирования.</source>
        <translation>Error in differentiation time coefficient.</translation>
    </message>
    <message>
        <source>Ошибка задания коэффициента времени интегрирования.</source>
        <translation>Error in integration time coefficient.</translation>
    </message>
    <message>
        <source>Ошибка задания коэффициента пропорциональности.</source>
        <translation>Error in proportional coefficient.</translation>
    </message>
    <message>
        <source>Ошибка задания максимума диапазона.</source>
        <translation>Error in range maximum.</translation>
    </message>
    <message>
        <source>Ошибка задания минимального времени импульса управления.</source>
        <translation>Error in minimum control pulse time.</translation>
    </message>
    <message>
        <source>Ошибка задания минимума диапазона.</source>
        <translation>Error in range minimum.</translation>
    </message>
    <message>
        <source>Ошибка задания общеприборных параметров.</source>
        <translation>Error in general instrument parameters.</translation>
    </message>
    <message>
        <source>Ошибка задания параметров канала 1.</source>
        <translation>Error in channel 1 parameters.</translation>
    </message>
    <message>
        <source>Ошибка задания параметров канала 2.</source>
        <translation>Error in channel 2 parameters.</translation>
    </message>
    <message>
        <source>Ошибка задания подстройки диапазона.</source>
        <translation>Error in range adjustment.</translation>
    </message>
    <message>
        <source>Ошибка задания регулируемой величины.</source>
        <translation>Error in regulated value.</translation>
    </message>
    <message>
        <source>Ошибка задания скорости изменения зоны нечувствительности.</source>
        <translation>Error in dead zone change rate.</translation>
    </message>
    <message>
        <source>Ошибка задания скорости изменения регулируемой величины.</source>
        <translation>Error in regulated value change rate.</translation>
    </message>
    <message>
        <source>Ошибка задания смещения диапазона.</source>
        <translation>Error in range offset.</translation>
    </message>
    <message>
        <source>Ошибка измерения канала 1</source>
        <translation>Channel 1 measurement error</translation>
    </message>
    <message>
        <source>Ошибка компенсатора холодного спая</source>
        <translation>Cold junction compensator error</translation>
    </message>
    <message>
        <source>Ошибка контрольной суммы модуля (ERR 11)</source>
        <translation>Module checksum error (ERR 11)</translation>
    </message>
    <message>
        <source>Ошибка при ответе модуля (ERR 13)</source>
        <translation>Error in module reply (ERR 13)</translation>
    </message>
    <message>
        <source>Параметр не найден (ERR 22)</source>
        <translation>Parameter not found (ERR 22)</translation>
    </message>
    <message>
        <source>Передано число не являющееся числом с плавающей запятой (ERR 21)</source>
        <translation>Value passed is not a floating-point number (ERR 21)</translation>
    </message>
    <message>
        <source>Период ШИМ</source>
        <translation>PWM period</translation>
    </message>
    <message>
        <source>Повышение</source>
        <translation>Rising</translation>
    </message>
    <message>
        <source>Погрешность датчика «%1»</source>
        <translation>Accuracy of sensor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Подготовка к изменению типа уставки 2</source>
        <translation>Preparing setpoint 2 type change</translation>
    </message>
    <message>
        <source>Подготовка к смене уставки 1</source>
        <translation>Preparing setpoint 1 change</translation>
    </message>
    <message>
        <source>Подстройка диапазона канала 2</source>
        <translation>Range adjustment, channel 2</translation>
    </message>
    <message>
        <source>Подстройка диапазона</source>
        <translation>Range adjustment</translation>
    </message>
    <message>
        <source>Поиск прибора</source>
        <translation>Instrument search</translation>
    </message>
    <message>
        <source>Получен ответ</source>
        <translation>Reply received</translation>
    </message>
    <message>
        <source>Понижение</source>
        <translation>Falling</translation>
    </message>
    <message>
        <source>Порт %1 (%2) не открыт</source>
        <translation>Port %1 (%2) not open</translation>
    </message>
    <message>
        <source>Порт %1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>Порт %1 не открыт</source>
        <translation>Port %1 not open</translation>
    </message>
    <message>
        <source>Порт %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>Прекратили запись для уточнения настроек (ERR 16)</source>
        <translation>Write stopped to clarify settings (ERR 16)</translation>
    </message>
    <message>
        <source>Прекратили запись чтобы поправить настройки (ERR 17)</source>
        <translation>Write stopped to correct settings (ERR 17)</translation>
    </message>
    <message>
        <source>При таком усреднении в канале теряется динамика отображения.Записать так как есть?</source>
        <translation>With such averaging the channel display loses its dynamics. Write as is?</translation>
    </message>
    <message>
        <source>Прибор не ответил (ERR 2)</source>
        <translation>Instrument did not answer (ERR 2)</translation>
    </message>
    <message>
        <source>Прибор не отвечает</source>
        <translation>Instrument not answering</translation>
    </message>
    <message>
        <source>Прибор не смог разобрать команду (ERR 3)</source>
        <translation>Instrument could not parse the command (ERR 3)</translation>
    </message>
    <message>
        <source>Прибор сообщает о какой-то ошибке (ERR 7)</source>
        <translation>Instrument reports some error (ERR 7)</translation>
    </message>
    <message>
        <source>Проверка реле</source>
        <translation>Relay test</translation>
    </message>
    <message>
        <source>Проверка ступенькой</source>
        <translation>Step check</translation>
    </message>
    <message>
        <source>Проверьте параметры установления связи с прибором</source>
        <translation>Check the instrument link settings</translation>
    </message>
    <message>
        <source>Разогрев до %1</source>
        <translation>Heating up to %1</translation>
    </message>
    <message>
        <source>Разрешение работы канала 1</source>
        <translation>Channel 1 enabled</translation>
    </message>
    <message>
        <source>Разрешение работы канала 2</source>
        <translation>Channel 2 enabled</translation>
    </message>
    <message>
        <source>Расчёт модели и коэффициентов</source>
        <translation>Computing model and coefficients</translation>
    </message>
    <message>
        <source>Расширенная</source>
        <translation>Extended</translation>
    </message>
    <message>
        <source>Расширенное</source>
        <translation>Extended</translation>
    </message>
    <message>
        <source>Регулируемое значение</source>
        <translation>Regulated value</translation>
    </message>
    <message>
        <source>Сетевой адрес %1 (%2 из %3), %4 бод</source>
        <translation>Network address %1 (%2 of %3), %4 baud</translation>
    </message>
    <message>
        <source>Сетевой адрес %1 из %2, %3 бод</source>
        <translation>Network address %1 of %2, %3 baud</translation>
    </message>
    <message>
        <source>Скорость обмена %1 бод (%2 из %3)</source>
        <translation>At %1 baud (%2 of %3)</translation>
    </message>
    <message>
        <source>Скорость обмена %1 бод</source>
        <translation>At %1 baud</translation>
    </message>
    <message>
        <source>Слишком большая величина уставки 2 она будет ограничена величиной 9999. Записать так ?</source>
        <translation>Setpoint 2 too large; it will be limited to 9999. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком большая величина уставки она будет ограничена величиной 9999. Записать так ?</source>
        <translation>Setpoint too large; it will be limited to 9999. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком большой адрес (ERR 5)</source>
        <translation>Address too large (ERR 5)</translation>
    </message>
    <message>
        <source>Слишком большой адрес в запросе модуля (ERR 12)</source>
        <translation>Address too large in module request (ERR 12)</translation>
    </message>
    <message>
        <source>Слишком большой максимальный диапазон. Он будет ограничен величиной 9999.999. Записать так как есть?</source>
        <translation>Range maximum too large. It will be limited to 9999.999. Write as is?</translation>
    </message>
    <message>
        <source>Слишком большой минимальный диапазон. Прибор, скорее всего, не будет работать правильно.</source>
        <translation>Range minimum too large. The instrument will most likely not work properly.</translation>
    </message>
    <message>
        <source>Слишком большой номер COM порта.</source>
        <translation>COM port number too large.</translation>
    </message>
    <message>
        <source>Слишком большой операнд (ERR 4)</source>
        <translation>Operand too large (ERR 4)</translation>
    </message>
    <message>
        <source>Слишком большой шаг изменения гистерезиса уставки. Он будет ограничен 10. Записать так?</source>
        <translation>Setpoint hysteresis step too large. It will be limited to 10. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком большой шаг изменения уставки. Он будет ограничен 10. Записать так?</source>
        <translation>Setpoint step too large. It will be limited to 10. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком маленькая величина уставки 2 она будет ограничена величиной -999. Записать так ?</source>
        <translation>Setpoint 2 too small; it will be limited to -999. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком маленькая величина уставки она будет ограничена величиной -999. Записать так ?</source>
        <translation>Setpoint too small; it will be limited to -999. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком маленький максимум диапазона. Прибор, скорее всего, не будет работать правильно.</source>
        <translation>Range maximum too small. The instrument will most likely not work properly.</translation>
    </message>
    <message>
        <source>Слишком маленький минимальный диапазон. Он будет ограничен величиной -999.0. Записать так как есть?</source>
        <translation>Range minimum too small. It will be limited to -999.0. Write as is?</translation>
    </message>
    <message>
        <source>Слишком маленький шаг изменения гистерезиса уставки. Он будет сделан равным 0.001. Записать так?</source>
        <translation>Setpoint hysteresis step too small. It will be set to 0.001. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком маленький шаг изменения уставки. Он будет сделан равным 0.001. Записать так?</source>
        <translation>Setpoint step too small. It will be set to 0.001. Write it that way?</translation>
    </message>
    <message>
        <source>Слишком много символов  (ERR 1)</source>
        <translation>Too many characters (ERR 1)</translation>
    </message>
    <message>
        <source>Смещение (0)</source>
        <translation>Offset (0)</translation>
    </message>
    <message>
        <source>Смещение канала 2</source>
        <translation>Offset, channel 2</translation>
    </message>
    <message>
        <source>Сопротивление линии канала 1</source>
        <translation>Line resistance, channel 1</translation>
    </message>
    <message>
        <source>Сопротивление линии канала 2</source>
        <translation>Line resistance, channel 2</translation>
    </message>
    <message>
        <source>Ступенька %1 → %2</source>
        <translation>Step %1 → %2</translation>
    </message>
    <message>
        <source>ТВР(A-1) ТП ВР(А-1) вольф.рен./волф.рен.</source>
        <translation>Type A-1 TC W-Re/W-Re</translation>
    </message>
    <message>
        <source>ТЖК ТП КJK(J) железо/константан</source>
        <translation>Type J TC iron/constantan</translation>
    </message>
    <message>
        <source>ТМК  ТП TMK(T) медь/константан</source>
        <translation>Type T TC copper/constantan</translation>
    </message>
    <message>
        <source>ТНН ТП НН(N) нихросил/нисил</source>
        <translation>Type N TC nicrosil/nisil</translation>
    </message>
    <message>
        <source>ТПП ТП ПП(R) платина/пл.родий 13%</source>
        <translation>Type R TC Pt/Pt-Rh 13%</translation>
    </message>
    <message>
        <source>ТПП ТП ПП(S) платина/пл.родий 10%</source>
        <translation>Type S TC Pt/Pt-Rh 10%</translation>
    </message>
    <message>
        <source>ТПР ТП ПР(В) пл.род.30%/пл.род.6%</source>
        <translation>Type B TC Pt-Rh 30%/Pt-Rh 6%</translation>
    </message>
    <message>
        <source>ТХА ТП ХА(K) хромель/алюмель</source>
        <translation>Type K TC chromel/alumel</translation>
    </message>
    <message>
        <source>ТХК ТП ХК(L) хромель/копель</source>
        <translation>Type L TC chromel/copel</translation>
    </message>
    <message>
        <source>Такого модуля в приборе нет (ERR 10)</source>
        <translation>No such module in the instrument (ERR 10)</translation>
    </message>
    <message>
        <source>Температура %1, нагреватель включён</source>
        <translation>Temperature %1, heater on</translation>
    </message>
    <message>
        <source>Температура %1, нагреватель выключен</source>
        <translation>Temperature %1, heater off</translation>
    </message>
    <message>
        <source>Тип датчика канала 2</source>
        <translation>Sensor type, channel 2</translation>
    </message>
    <message>
        <source>Тип датчика</source>
        <translation>Sensor type</translation>
    </message>
    <message>
        <source>Тип прибора</source>
        <translation>Instrument type</translation>
    </message>
    <message>
        <source>Тип уставки 1 канала 1</source>
        <translation>Setpoint 1 type, channel 1</translation>
    </message>
    <message>
        <source>Тип уставки 2 канала 1</source>
        <translation>Setpoint 2 type, channel 1</translation>
    </message>
    <message>
        <source>Тип уставки 2 канала 2</source>
        <translation>Setpoint 2 type, channel 2</translation>
    </message>
    <message>
        <source>Тип уставки</source>
        <translation>Setpoint type</translation>
    </message>
    <message>
        <source>Ток 0-20 мА</source>
        <translation>Current 0-20 mA</translation>
    </message>
    <message>
        <source>Ток 0-5 мА</source>
        <translation>Current 0-5 mA</translation>
    </message>
    <message>
        <source>Ток 4-20 мА</source>
        <translation>Current 4-20 mA</translation>
    </message>
    <message>
        <source>Управление задвижкой</source>
        <translation>Valve control</translation>
    </message>
    <message>
        <source>Упрощенная</source>
        <translation>Simplified</translation>
    </message>
    <message>
        <source>Упрощенное</source>
        <translation>Simplified</translation>
    </message>
    <message>
        <source>Усреднение канала 2</source>
        <translation>Averaging, channel 2</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Averaging</translation>
    </message>
    <message>
        <source>Уставка 2 канала 2</source>
        <translation>Setpoint 2, channel 2</translation>
    </message>
    <message>
        <source>Установление у %1</source>
        <translation>Settling at %1</translation>
    </message>
    <message>
        <source>Файл записи не читается: %1</source>
        <translation>Entry file cannot be read: %1</translation>
    </message>
    <message>
        <source>Файл не открывается (ERR 14)</source>
        <translation>File does not open (ERR 14)</translation>
    </message>
    <message>
        <source>Формат ответа не похож на ожидаемый (ERR 19)</source>
        <translation>Reply format not as expected (ERR 19)</translation>
    </message>
    <message>
        <source>Ход процесса остановлен пользователем (ERR 20)</source>
        <translation>Process stopped by user (ERR 20)</translation>
    </message>
    <message>
        <source>Ход процесса</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Число наблюдений канала 1</source>
        <translation>Observations, channel 1</translation>
    </message>
    <message>
        <source>Число наблюдений перед срабатыванием</source>
        <translation>Observations before trip</translation>
    </message>
    <message>
        <source>Число проводов канала 1</source>
        <translation>Wires, channel 1</translation>
    </message>
    <message>
        <source>Число проводов канала 2</source>
        <translation>Wires, channel 2</translation>
    </message>
    <message>
        <source>Читаем номер прибора</source>
        <translation>Reading instrument number</translation>
    </message>
    <message>
        <source>Чтение гистерезиса 1</source>
        <translation>Reading hysteresis 1</translation>
    </message>
    <message>
        <source>Чтение гистерезиса уставки 2</source>
        <translation>Reading setpoint 2 hysteresis</translation>
    </message>
    <message>
        <source>Чтение исключения канала</source>
        <translation>Reading channel exclusion</translation>
    </message>
    <message>
        <source>Чтение корректирующего полинома</source>
        <translation>Reading correction polynomial</translation>
    </message>
    <message>
        <source>Чтение логики реле</source>
        <translation>Reading relay logic</translation>
    </message>
    <message>
        <source>Чтение максимума диапазона</source>
        <translation>Reading range maximum</translation>
    </message>
    <message>
        <source>Чтение минимума диапазона</source>
        <translation>Reading range minimum</translation>
    </message>
    <message>
        <source>Чтение параметров регулятора</source>
        <translation>Reading regulator parameters</translation>
    </message>
    <message>
        <source>Чтение разрешения извлечения корня</source>
        <translation>Reading square root enable</translation>
    </message>
    <message>
        <source>Чтение скорости изменения гистерезиса</source>
        <translation>Reading hysteresis change rate</translation>
    </message>
    <message>
        <source>Чтение скорости изменения уставки</source>
        <translation>Reading setpoint change rate</translation>
    </message>
    <message>
        <source>Чтение смещения</source>
        <translation>Reading offset</translation>
    </message>
    <message>
        <source>Чтение типа датчика</source>
        <translation>Reading sensor type</translation>
    </message>
    <message>
        <source>Чтение типа уставки 1</source>
        <translation>Reading setpoint 1 type</translation>
    </message>
    <message>
        <source>Чтение типа уставки 2</source>
        <translation>Reading setpoint 2 type</translation>
    </message>
    <message>
        <source>Чтение усреднения</source>
        <translation>Reading averaging</translation>
    </message>
    <message>
        <source>Чтение уставки 1</source>
        <translation>Reading setpoint 1</translation>
    </message>
    <message>
        <source>Чтение уставки 2</source>
        <translation>Reading setpoint 2</translation>
    </message>
    <message>
        <source>Чтение числа знаков после запятой</source>
        <translation>Reading number of decimals</translation>
    </message>
    <message>
        <source>Чтение числа наблюдений</source>
        <translation>Reading number of observations</translation>
    </message>
    <message>
        <source>Шаг изм. з. ПИД упр.</source>
        <translation>PID zone step</translation>
    </message>
    <message>
        <source>Шаг изменения гистерезиса канала 2</source>
        <translation>Hysteresis step, channel 2</translation>
    </message>
    <message>
        <source>Шаг изменения рег.знач.</source>
        <translation>Reg. value step</translation>
    </message>
    <message>
        <source>Шаг изменения уставки канала 2</source>
        <translation>Setpoint step, channel 2</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ki020 канала 1</source>
        <translation>Calibration reference set_ki020, channel 1</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ki020 канала 2</source>
        <translation>Calibration reference set_ki020, channel 2</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ki05 канала 1</source>
        <translation>Calibration reference set_ki05, channel 1</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ki05 канала 2</source>
        <translation>Calibration reference set_ki05, channel 2</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ku канала 1</source>
        <translation>Calibration reference set_ku, channel 1</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ku канала 2</source>
        <translation>Calibration reference set_ku, channel 2</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ku10 канала 1</source>
        <translation>Calibration reference set_ku10, channel 1</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ku10 канала 2</source>
        <translation>Calibration reference set_ku10, channel 2</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ra канала 1</source>
        <translation>Calibration reference set_ra, channel 1</translation>
    </message>
    <message>
        <source>Эталон калибровки set_ra канала 2</source>
        <translation>Calibration reference set_ra, channel 2</translation>
    </message>
    <message>
        <source>Эталон калибровки set_rb канала 1</source>
        <translation>Calibration reference set_rb, channel 1</translation>
    </message>
    <message>
        <source>Эталон калибровки set_rb канала 2</source>
        <translation>Calibration reference set_rb, channel 2</translation>
    </message>
    <message>
        <source>адреса %1–%2, %3 бод</source>
        <translation>addresses %1–%2, %3 baud</translation>
    </message>
    <message>
        <source>длительность опыта должна быть больше нуля</source>
        <translation>experiment duration must be above zero</translation>
    </message>
    <message>
        <source>ед.</source>
        <translation>units</translation>
    </message>
    <message>
        <source>максимальная температура должна быть выше заданной</source>
        <translation>maximum temperature must be above the target</translation>
    </message>
    <message>
        <source>настройки регулятора не прочитаны</source>
        <translation>regulator settings not read</translation>
    </message>
    <message>
        <source>ни одно реле не включает нагреватель (бит ШИМ в маске канала 1)</source>
        <translation>no relay switches the heater on (PWM bit in the channel 1 mask)</translation>
    </message>
    <message>
        <source>новое задание должно отличаться от прежнего и быть ниже максимальной температуры</source>
        <translation>the new target must differ from the previous one and be below the maximum temperature</translation>
    </message>
    <message>
        <source>новое задание не записано</source>
        <translation>new target not written</translation>
    </message>
    <message>
        <source>ручное управление ШИМ не включено</source>
        <translation>manual PWM control not enabled</translation>
    </message>
    <message>
        <source>состояние измерения %1</source>
        <translation>measurement status %1</translation>
    </message>
    <message>
        <source>циклов колебаний должно быть не меньше 2</source>
        <translation>oscillation cycles must be at least 2</translation>
    </message>
</context>
<context>
    <name>RegulatorTuningDialog</name>
    <message>
        <source>Настройка регулятора</source>
        <translation>Regulator tuning</translation>
    </message>
    <message>
        <source>Опыт</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>&amp;Заданная температура, °C:</source>
        <translation>&amp;Target temperature, °C:</translation>
    </message>
    <message>
        <source>Температура, около которой реле нагревателя ведёт колебания</source>
        <translation>Temperature around which the heater relay oscillates</translation>
    </message>
    <message>
        <source>&amp;Максимальная температура, °C:</source>
        <translation>&amp;Maximum temperature, °C:</translation>
    </message>
    <message>
        <source>При этой температуре нагреватель сразу выключается и опыт прекращается</source>
        <translation>At this temperature the heater is switched off at once and the experiment stops</translation>
    </message>
    <message>
        <source>Наибольшая &amp;длительность, мин:</source>
        <translation>Max. &amp;duration, min:</translation>
    </message>
    <message>
        <source>Опыт и проверка прекращаются, если длятся дольше</source>
        <translation>The experiment and the check stop if they last longer</translation>
    </message>
    <message>
        <source>&amp;Ступенька проверки, °C:</source>
        <translation>Check &amp;step, °C:</translation>
    </message>
    <message>
        <source>На столько проверка меняет регулируемое значение; по ней же рассчитывается переходный процесс на модели</source>
        <translation>The check changes the regulated value by this much; the model transient is computed for the same step</translation>
    </message>
    <message>
        <source>&amp;Начать опыт</source>
        <translation>Sta&amp;rt experiment</translation>
    </message>
    <message>
        <source>Взять нагреватель под ручное управление ШИМ и провести релейный опыт</source>
        <translation>Take the heater under manual PWM control and run a relay experiment</translation>
    </message>
    <message>
        <source>&amp;Остановить</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>Прекратить опыт или проверку (Esc) и вернуть регулирование прибору</source>
        <translation>Stop the experiment or the check (Esc) and hand control back to the instrument</translation>
    </message>
    <message>
        <source>Ход опыта</source>
        <translation>Experiment progress</translation>
    </message>
    <message>
        <source>&amp;Модель объекта:</source>
        <translation>&amp;Plant model:</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>&amp;Коэффициенты регулятора:</source>
        <translation>Regulator &amp;coefficients:</translation>
    </message>
    <message>
        <source>Текущие</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Предлагаемые</source>
        <translation>Proposed</translation>
    </message>
    <message>
        <source>Ступенька задания на модели</source>
        <translation>Target step on the model</translation>
    </message>
    <message>
        <source>&amp;Записать в прибор</source>
        <translation>&amp;Write to instrument</translation>
    </message>
    <message>
        <source>Записать предлагаемые коэффициенты в прибор: прибор читается целиком (запись в журнале, к которой можно вернуться) и записывается с ними, со всеми проверками кнопки «Записать в прибор»</source>
        <translation>Write the proposed coefficients to the instrument: the instrument is read in full (a journal entry you can return to) and written with them, with all checks of the &quot;Write to instrument&quot; button</translation>
    </message>
    <message>
        <source>&amp;Проверить ступенькой</source>
        <translation>C&amp;heck with step</translation>
    </message>
    <message>
        <source>Изменить регулируемое значение на ступеньку, записать переходный процесс с коэффициентами прибора, сравнить с моделью и вернуть значение</source>
        <translation>Change the regulated value by a step, record the transient with the instrument coefficients, compare with the model and restore the value</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Закрыть окно; идущий опыт прекращается, регулирование возвращается прибору</source>
        <translation>Close the window; a running experiment stops, control returns to the instrument</translation>
    </message>
</context>
<context>
    <name>SearchRatesDialog</name>
    <message>
        <source>Найти прибор</source>
        <translation>Find instrument</translation>
    </message>
    <message>
        <source>На каких скоростях искать</source>
        <translation>Baud rates to search</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Прочитать из прибора</source>
        <translation>Read from instrument</translation>
    </message>
    <message>
        <source>Прочитать все настройки .</source>
        <translation>Read all settings.</translation>
    </message>
    <message>
        <source>Записать в прибор</source>
        <translation>Write to instrument</translation>
    </message>
    <message>
        <source>Записать все настройки.</source>
        <translation>Write all settings.</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Задаем номер порта компьютора</source>
        <translation>Sets the computer port number</translation>
    </message>
    <message>
        <source>Реле</source>
        <translation>Relays</translation>
    </message>
    <message>
        <source>Общие</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Прочитать выбранное</source>
        <translation>Read selected</translation>
    </message>
    <message>
        <source>Записать выбранное</source>
        <translation>Write selected</translation>
    </message>
    <message>
        <source>Описание настроек</source>
        <translation>Settings description</translation>
    </message>
    <message>
        <source>Текстовое описание файла настроек прибора.  Перед записью нового файла сюда можно внести свои комментарии.</source>
        <translation>Text description of the instrument settings file. You can add your own comments here before saving a new file.</translation>
    </message>
    <message>
        <source>Настройки каналов</source>
        <translation>Channel settings</translation>
    </message>
    <message>
        <source>Тип датчика</source>
        <translation>Sensor type</translation>
    </message>
    <message>
        <source>Задаем тип датчика в канале</source>
        <translation>Sets the sensor type of the channel</translation>
    </message>
    <message>
        <source>Включение извлечения корня при расчете значений унифицированных сигналов.</source>
        <translation>Enables square root extraction when computing unified signal values.</translation>
    </message>
    <message>
        <source>Корнеизвлечение</source>
        <translation>Square root</translation>
    </message>
    <message>
        <source>Минимум</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Минимум диапазона.Для унифицированных входов его можно изменить.</source>
        <translation>Range minimum. It can be changed for unified inputs.</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Максимум диапазона.Для унифицированных входов его можно изменить.</source>
        <translation>Range maximum. It can be changed for unified inputs.</translation>
    </message>
    <message>
        <source>Смещение измеренного значения.</source>
        <translation>Offset of the measured value.</translation>
    </message>
    <message>
        <source>Диапазон</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Подстройка величины диапазона.</source>
        <translation>Range span adjustment.</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Averaging</translation>
    </message>
    <message>
        <source>Задаем число усреднений измеренного значения</source>
        <translation>Sets the number of averages of the measured value</translation>
    </message>
    <message>
        <source>Знаков</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Задаем число знаков после запятой</source>
        <translation>Sets the number of decimal places</translation>
    </message>
    <message>
        <source>Величина коэффициента при рассогласовании.</source>
        <translation>Coefficient applied to the error.</translation>
    </message>
    <message>
        <source>Задаем тип уставки</source>
        <translation>Sets the setpoint type</translation>
    </message>
    <message>
        <source>Задаем число одинаковых наблюдений перед срабатыванием реле</source>
        <translation>Sets the number of identical observations before the relay trips</translation>
    </message>
    <message>
        <source>Задается максимальное время  длительности импульса управления в приборе для задвижек.</source>
        <translation>Sets the maximum control pulse duration in valve-control instruments.</translation>
    </message>
    <message>
        <source>Регулируемое значение</source>
        <translation>Regulated value</translation>
    </message>
    <message>
        <source>Величина регулируемого значения.</source>
        <translation>Regulated value.</translation>
    </message>
    <message>
        <source>Шаг изменения рег.знач.</source>
        <translation>Reg. value step</translation>
    </message>
    <message>
        <source>Задаем шаг изменения величины регулирования и коэффициента пропорциональности</source>
        <translation>Sets the change step of the regulated value and of the proportional coefficient</translation>
    </message>
    <message>
        <source>Коэффициент пропорциональности</source>
        <translation>Proportional coefficient</translation>
    </message>
    <message>
        <source>Величина коэффициента пропорциональности.</source>
        <translation>Proportional coefficient value.</translation>
    </message>
    <message>
        <source>Зона </source>
        <translation>Zone </translation>
    </message>
    <message>
        <source>Величина зоны пропрционального управления.</source>
        <translation>Proportional control zone value.</translation>
    </message>
    <message>
        <source>Шаг изм. з. ПИД упр.</source>
        <translation>PID zone step</translation>
    </message>
    <message>
        <source>Задаем шаг изменения зоны пропорционального управления</source>
        <translation>Sets the change step of the proportional control zone</translation>
    </message>
    <message>
        <source>Мин. длит. имп.</source>
        <translation>Min. pulse</translation>
    </message>
    <message>
        <source>Величина минимального импульса управления.</source>
        <translation>Minimum control pulse value.</translation>
    </message>
    <message>
        <source>Период ШИМ</source>
        <translation>PWM period</translation>
    </message>
    <message>
        <source>Задается интервал времени  в секундах широтно импульсной модуляции</source>
        <translation>Sets the pulse-width modulation interval in seconds</translation>
    </message>
    <message>
        <source>ПИД</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>управления</source>
        <translation>control</translation>
    </message>
    <message>
        <source>T  дифф</source>
        <translation>T diff</translation>
    </message>
    <message>
        <source>Величина времени дифференцирования.</source>
        <translation>Differentiation time value.</translation>
    </message>
    <message>
        <source>T инт</source>
        <translation>T int</translation>
    </message>
    <message>
        <source>Величина времени интегрирования.</source>
        <translation>Integration time value.</translation>
    </message>
    <message>
        <source>Коэфф асимметрии</source>
        <translation>Asym. coeff</translation>
    </message>
    <message>
        <source>Величина коэффициента асимметрии.</source>
        <translation>Asymmetry coefficient value.</translation>
    </message>
    <message>
        <source>Тип уставки</source>
        <translation>Setpoint type</translation>
    </message>
    <message>
        <source>Величина уставки</source>
        <translation>Setpoint value</translation>
    </message>
    <message>
        <source>Величина уставки.</source>
        <translation>Setpoint value.</translation>
    </message>
    <message>
        <source>Величина гистерезиса</source>
        <translation>Hysteresis value</translation>
    </message>
    <message>
        <source>Величина гистерезиса уставки.</source>
        <translation>Setpoint hysteresis value.</translation>
    </message>
    <message>
        <source>Число наблюдений перед срабатыванием</source>
        <translation>Observations before trip</translation>
    </message>
    <message>
        <source>Величина уставки 2.</source>
        <translation>Setpoint 2 value.</translation>
    </message>
    <message>
        <source>Величина гистерезиса уставки 2.</source>
        <translation>Setpoint 2 hysteresis value.</translation>
    </message>
    <message>
        <source>Задаем шаг изменения зоны нечувствительности и минимальной длительности импульса управления</source>
        <translation>Sets the change step of the dead zone and of the minimum control pulse duration</translation>
    </message>
    <message>
        <source>Задаем шаг изменения гистерезиса</source>
        <translation>Sets the hysteresis change step</translation>
    </message>
    <message>
        <source>Настройки реле</source>
        <translation>Relay settings</translation>
    </message>
    <message>
        <source>Назначение реле на воздействие</source>
        <translation>Assignment of relays to events</translation>
    </message>
    <message>
        <source>Стявя значек в ячейке включаем реле от данного события.</source>
        <translation>A tick in a cell makes the relay switch on from that event.</translation>
    </message>
    <message>
        <source>Версия внутреннего ПО прибора</source>
        <translation>Instrument firmware version</translation>
    </message>
    <message>
        <source>Параметры назначаемые при производстве</source>
        <translation>Factory-set parameters</translation>
    </message>
    <message>
        <source>Номер прибора</source>
        <translation>Instrument No.</translation>
    </message>
    <message>
        <source>Заводской номер</source>
        <translation>Serial No.</translation>
    </message>
    <message>
        <source>Дата изготовления</source>
        <translation>Manufacture date</translation>
    </message>
    <message>
        <source>Отображение ошибки</source>
        <translation>Error display</translation>
    </message>
    <message>
        <source>Для поиска ошибки можем задать расширенную индикацию</source>
        <translation>Extended indication can be set to help find an error</translation>
    </message>
    <message>
        <source>Задаем тип функционирования прибора</source>
        <translation>Sets the instrument operating type</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Текущее</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Текущие значения</source>
        <translation>Current values</translation>
    </message>
    <message>
        <source>Измеренное значение</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>Измеренное значение канала 1</source>
        <translation>Measured value of channel 1</translation>
    </message>
    <message>
        <source>Состояние измерения канала 1</source>
        <translation>Measurement status of channel 1</translation>
    </message>
    <message>
        <source>Обрыв</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>Уставка 2</source>
        <translation>Setpoint 2</translation>
    </message>
    <message>
        <source>Уставка 1</source>
        <translation>Setpoint 1</translation>
    </message>
    <message>
        <source>Канал 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Измеренное значение канала 2</source>
        <translation>Measured value of channel 2</translation>
    </message>
    <message>
        <source>Состояние измерения канала 2</source>
        <translation>Measurement status of channel 2</translation>
    </message>
    <message>
        <source>Реле 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Кнопки</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Угловой кодировщик</source>
        <translation>Rotary encoder</translation>
    </message>
    <message>
        <source>Ответ прибора</source>
        <translation>Instrument reply</translation>
    </message>
    <message>
        <source>Единичные светодиоды</source>
        <translation>Single LEDs</translation>
    </message>
    <message>
        <source>Начать чтение</source>
        <translation>Start reading</translation>
    </message>
    <message>
        <source>Конфигурация</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Сформировать страницу</source>
        <translation>Build page</translation>
    </message>
    <message>
        <source>Из прибора читается конфигурация и готовится сводное описание настроек.  Его можно распечатать.</source>
        <translation>The configuration is read from the instrument and a settings summary is prepared. It can be printed.</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>П</source>
        <translation>P</translation>
    </message>
    <message>
        <source>И</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Д</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Горизонтальные линии отделяют значения в 10% от диапазона измерения.  Вертикальные - 30 секундные интервалы.  Утолщенные линии обозначают 1 минутные интервалы.</source>
        <translation>Horizontal lines mark 10% steps of the measuring range. Vertical lines mark 30-second intervals. Thick lines mark 1-minute intervals.</translation>
    </message>
    <message>
        <source>Прямое управление</source>
        <translation>Direct control</translation>
    </message>
    <message>
        <source>Включить доступ к ШИМ</source>
        <translation>Enable PWM access</translation>
    </message>
    <message>
        <source>Доля заполнения интервала ШИМ будет задаваться вручную</source>
        <translation>The PWM duty cycle will be set manually</translation>
    </message>
    <message>
        <source>Выключить доступ к ШИМ</source>
        <translation>Disable PWM access</translation>
    </message>
    <message>
        <source>Параметр ШИМ задается прибором</source>
        <translation>The PWM parameter is set by the instrument</translation>
    </message>
    <message>
        <source>Выбор реле</source>
        <translation>Relay selection</translation>
    </message>
    <message>
        <source>Выбор реле для выдачи ШИМ</source>
        <translation>Select the relay for PWM output</translation>
    </message>
    <message>
        <source>Длительность импульса в периоде</source>
        <translation>Pulse duration in period</translation>
    </message>
    <message>
        <source>Доля сработовшего состояния реле в интервала ШИМ</source>
        <translation>Share of the relay on-state in the PWM interval</translation>
    </message>
    <message>
        <source>Прочитать долю сработавшего состояния реле в интервале ШИМ</source>
        <translation>Read the share of the relay on-state in the PWM interval</translation>
    </message>
    <message>
        <source>Принудительно задать долю сработовшего состояния реле в интервале ШИМ</source>
        <translation>Force the share of the relay on-state in the PWM interval</translation>
    </message>
    <message>
        <source>Прямой доступ к реле</source>
        <translation>Direct relay access</translation>
    </message>
    <message>
        <source>Включить реле 1</source>
        <translation>Relay 1 on</translation>
    </message>
    <message>
        <source>Выключить реле 1</source>
        <translation>Relay 1 off</translation>
    </message>
    <message>
        <source>Включить реле 2</source>
        <translation>Relay 2 on</translation>
    </message>
    <message>
        <source>Выключить реле 2</source>
        <translation>Relay 2 off</translation>
    </message>
    <message>
        <source>745 задвижки</source>
        <translation>745 valves</translation>
    </message>
    <message>
        <source>745 ПИД</source>
        <translation>745 PID</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Н&amp;едавние профили</source>
        <translation>Recent &amp;profiles</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Прочитать из файла настройки прибора</source>
        <translation>&amp;Read settings from file</translation>
    </message>
    <message>
        <source>&amp;Сохранить настройки прибора в файл</source>
        <translation>&amp;Save settings to file</translation>
    </message>
    <message>
        <source>&amp;Найти прибор…</source>
        <translation>&amp;Find instrument…</translation>
    </message>
    <message>
        <source>Пара&amp;метры связи…</source>
        <translation>&amp;Link settings…</translation>
    </message>
    <message>
        <source>Порт, скорость обмена, сетевой адрес, число попыток и тайм аут ответа из dev.dat</source>
        <translation>Port, baud rate, network address, attempts and reply timeout from dev.dat</translation>
    </message>
    <message>
        <source>С&amp;равнить с прибором…</source>
        <translation>&amp;Compare with instrument…</translation>
    </message>
    <message>
        <source>&amp;Записать в несколько приборов…</source>
        <translation>&amp;Write to several instruments…</translation>
    </message>
    <message>
        <source>Настройки страниц в приборы, найденные последним поиском</source>
        <translation>Page settings to the instruments found by the last search</translation>
    </message>
    <message>
        <source>Настройка ре&amp;гулятора…</source>
        <translation>Regulator &amp;tuning…</translation>
    </message>
    <message>
        <source>Релейный опыт на объекте: модель, предлагаемые коэффициенты регулятора, их запись и проверка ступенькой</source>
        <translation>Relay experiment on the plant: model, proposed regulator coefficients, their write and step check</translation>
    </message>
    <message>
        <source>&amp;Журнал настроек…</source>
        <translation>Settings &amp;journal…</translation>
    </message>
    <message>
        <source>&amp;Вернуть настройки до записи</source>
        <translation>Restore settings &amp;before write</translation>
    </message>
    <message>
        <source>Загрузить на страницы последнее удачное чтение этого прибора перед его последней записью</source>
        <translation>Load to the pages the last successful read of this instrument before its last write</translation>
    </message>
    <message>
        <source>&amp;История измерений…</source>
        <translation>Measurement &amp;history…</translation>
    </message>
    <message>
        <source>Журнал измерений на графике со временем, масштабом и курсором; экспорт в CSV, PNG и PDF</source>
        <translation>Measurement log on a chart with time, scale and cursor; export to CSV, PNG and PDF</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
</context>
<context>
    <name>zorkan::AboutBox</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Настройка ЗОРКАН 74X&lt;/b&gt;, версия %1&lt;/p&gt;&lt;p&gt;Библиотека Qt %2&lt;/p&gt;&lt;p&gt;Рабочая папка: %3&lt;br&gt;В ней dev.dat, профили, журнал настроек, протоколы обмена и измерений.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;ZORKAN 74X Setup&lt;/b&gt;, version %1&lt;/p&gt;&lt;p&gt;Qt library %2&lt;/p&gt;&lt;p&gt;Working folder: %3&lt;br&gt;It holds dev.dat, profiles, settings journal, exchange and measurement logs.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>zorkan::AgoText</name>
    <message>
        <source>только что</source>
        <translation>just now</translation>
    </message>
    <message>
        <source>%1 с назад</source>
        <translation>%1 s ago</translation>
    </message>
    <message>
        <source>%1 мин назад</source>
        <translation>%1 min ago</translation>
    </message>
    <message>
        <source>%1 ч назад</source>
        <translation>%1 h ago</translation>
    </message>
</context>
<context>
    <name>zorkan::CurveChart</name>
    <message>
        <source>мин</source>
        <translation>min</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Измеренное значение</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>Заданная</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Нагреватель включён</source>
        <translation>Heater on</translation>
    </message>
    <message>
        <source>Текущие</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Предлагаемые</source>
        <translation>Proposed</translation>
    </message>
    <message>
        <source>Задание</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Измерено на объекте</source>
        <translation>Measured on the plant</translation>
    </message>
</context>
<context>
    <name>zorkan::DifferencesDialog</name>
    <message>
        <source>Сравнение с прибором</source>
        <translation>Comparison with instrument</translation>
    </message>
    <message>
        <source>Настройки на страницах совпадают с настройками прибора.</source>
        <translation>The settings on the pages match the instrument settings.</translation>
    </message>
    <message>
        <source>Запись в прибор изменит эти настройки:</source>
        <translation>Writing to the instrument will change these settings:</translation>
    </message>
    <message>
        <source>В приборе</source>
        <translation>In instrument</translation>
    </message>
    <message>
        <source>На страницах</source>
        <translation>On pages</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Setting</translation>
    </message>
</context>
<context>
    <name>zorkan::HelpWindow</name>
    <message>
        <source>:/help/help.html</source>
        <translation>:/help/help_en.html</translation>
    </message>
</context>
<context>
    <name>zorkan::HistoryChart</name>
    <message>
        <source>Канал 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Канал 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Регулируемое значение</source>
        <translation>Regulated value</translation>
    </message>
    <message>
        <source>Уставка (авария)</source>
        <translation>Setpoint (alarm)</translation>
    </message>
    <message>
        <source>Реле 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Смена статуса, канал 1</source>
        <translation>Status change, channel 1</translation>
    </message>
    <message>
        <source>Смена статуса, канал 2</source>
        <translation>Status change, channel 2</translation>
    </message>
    <message>
        <source>Каналы 1 и 2</source>
        <translation>Channels 1 and 2</translation>
    </message>
</context>
<context>
    <name>zorkan::HistoryTexts</name>
    <message>
        <source>время каждой строки записано с датой, миллисекундами и часовым поясом.</source>
        <translation>each line&apos;s time is recorded with date, milliseconds and time zone.</translation>
    </message>
    <message>
        <source>в строках нет даты. Последняя строка отнесена ко дню последнего изменения файла (%1), каждая более ранняя — на день раньше за каждый переход через полночь (переходов: %2). Уставки и единицы — со страниц окна.</source>
        <translation>the lines have no date. The last line is assigned to the day the file was last modified (%1), each earlier one a day earlier for every crossing of midnight (crossings: %2). Setpoints and units are taken from the window pages.</translation>
    </message>
    <message>
        <source>Файл больше %1 МБ: показан его конец.</source>
        <translation>File larger than %1 MB: its end is shown.</translation>
    </message>
    <message>
        <source>Пропущено строк, которые не удалось разобрать: %1.</source>
        <translation>Skipped lines that could not be parsed: %1.</translation>
    </message>
    <message>
        <source>Файл %1 не найден.</source>
        <translation>File %1 not found.</translation>
    </message>
    <message>
        <source>%1 — не файл журнала: это папка, канал или устройство.</source>
        <translation>%1 is not a log file: it is a folder, pipe or device.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Could not read file %1.</translation>
    </message>
    <message>
        <source>В файле %1 нет строк журнала измерений: ни одну из %2 строк не удалось разобрать.</source>
        <translation>File %1 has no measurement log lines: none of its %2 lines could be parsed.</translation>
    </message>
    <message>
        <source>Файл %1 пуст.</source>
        <translation>File %1 is empty.</translation>
    </message>
    <message>
        <source>Журнала измерений ещё нет. Он пишется, пока открыта страница «Текущие значения» или «График»: в IZM.txt, когда это включено в dev.dat, и в журнал CSV, когда включён «Журнал измерений в CSV».</source>
        <translation>There is no measurement log yet. It is written while the page &quot;Current values&quot; or &quot;Chart&quot; is open: to IZM.txt when this is enabled in dev.dat, and to the CSV log when &quot;Measurement log in CSV&quot; is on.</translation>
    </message>
    <message>
        <source>Нет данных под курсором.</source>
        <translation>No data under the cursor.</translation>
    </message>
    <message>
        <source>Канал %1: %2 %3 (%4)</source>
        <translation>Channel %1: %2 %3 (%4)</translation>
    </message>
    <message>
        <source>Регулируемое значение: %1</source>
        <translation>Regulated value: %1</translation>
    </message>
    <message>
        <source>Уставка: %1</source>
        <translation>Setpoint: %1</translation>
    </message>
    <message>
        <source>вкл.</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выкл.</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Реле 1 %1, реле 2 %2</source>
        <translation>Relay 1 %1, relay 2 %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Could not write file %1.</translation>
    </message>
</context>
<context>
    <name>zorkan::HistoryWindow</name>
    <message>
        <source>Журнал CSV (*.csv)</source>
        <translation>CSV log (*.csv)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Журналы измерений (IZM*.txt IZM-*.csv *.txt *.csv)</source>
        <translation>Measurement logs (IZM*.txt IZM-*.csv *.txt *.csv)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Выбор действует до закрытия программы.</source>
        <translation>The choice holds until the program is closed.</translation>
    </message>
    <message>
        <source>История измерений: %1, %2 — %3</source>
        <translation>Measurement history: %1, %2 — %3</translation>
    </message>
</context>
<context>
    <name>zorkan::JournalWindow</name>
    <message>
        <source>Чтение</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Установка параметра</source>
        <translation>Set parameter</translation>
    </message>
    <message>
        <source>Выполнено</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>%1 (прибор)</source>
        <translation>%1 (instrument)</translation>
    </message>
    <message>
        <source>%1 (страницы)</source>
        <translation>%1 (pages)</translation>
    </message>
    <message>
        <source>&amp;Записи журнала, все приборы:</source>
        <translation>Journal &amp;entries, all instruments:</translation>
    </message>
    <message>
        <source>&amp;Записи журнала, прибор № %1:</source>
        <translation>Journal &amp;entries, instrument No. %1:</translation>
    </message>
    <message>
        <source>Остановлено на шаге: %1</source>
        <translation>Stopped at step: %1</translation>
    </message>
    <message>
        <source>Сравнение с записью журнала</source>
        <translation>Comparison with journal entry</translation>
    </message>
    <message>
        <source>Настройки на страницах совпадают с записью журнала.</source>
        <translation>The settings on the pages match the journal entry.</translation>
    </message>
    <message>
        <source>Настройки на страницах отличаются от записи журнала:</source>
        <translation>The settings on the pages differ from the journal entry:</translation>
    </message>
    <message>
        <source>В записи журнала</source>
        <translation>In journal entry</translation>
    </message>
    <message>
        <source>На страницах</source>
        <translation>On pages</translation>
    </message>
</context>
<context>
    <name>zorkan::LineDialogs</name>
    <message>
        <source>Только на скорости из dev.dat: %1 бод</source>
        <translation>Only at the baud rate from dev.dat: %1 baud</translation>
    </message>
    <message>
        <source>На всех скоростях: %1–%2 бод</source>
        <translation>At all baud rates: %1–%2 baud</translation>
    </message>
    <message>
        <source>Записать в несколько приборов</source>
        <translation>Write to several instruments</translation>
    </message>
    <message>
        <source>Отметьте приборы, в которые записать настройки страниц:</source>
        <translation>Tick the instruments to write the page settings to:</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>zorkan::LinkSettingsDialog</name>
    <message>
        <source>порт не выбран</source>
        <translation>no port selected</translation>
    </message>
</context>
<context>
    <name>zorkan::LivePage</name>
    <message>
        <source>достигнута</source>
        <translation>reached</translation>
    </message>
    <message>
        <source>не достигнута</source>
        <translation>not reached</translation>
    </message>
    <message>
        <source>обрыв датчика</source>
        <translation>sensor break</translation>
    </message>
    <message>
        <source>нет обрыва</source>
        <translation>no break</translation>
    </message>
    <message>
        <source>включено</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выключено</source>
        <translation>off</translation>
    </message>
    <message>
        <source>нажата</source>
        <translation>pressed</translation>
    </message>
    <message>
        <source>не нажата</source>
        <translation>not pressed</translation>
    </message>
    <message>
        <source>горит</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>не горит</source>
        <translation>not lit</translation>
    </message>
    <message>
        <source>Значения не обновляются: получены %1</source>
        <translation>Values not updated: received %1</translation>
    </message>
    <message>
        <source>Значения не обновляются: от прибора их ещё не было</source>
        <translation>Values not updated: none received from the instrument yet</translation>
    </message>
</context>
<context>
    <name>zorkan::ManualPwmBanner</name>
    <message>
        <source>Прибор не подтвердил выключение ручного ШИМ</source>
        <translation>Instrument did not confirm manual PWM off</translation>
    </message>
    <message>
        <source>Ручное управление ШИМ: реле %1, %2 %</source>
        <translation>Manual PWM control: relay %1, %2 %</translation>
    </message>
    <message>
        <source>Ручное управление ШИМ: реле %1</source>
        <translation>Manual PWM control: relay %1</translation>
    </message>
    <message>
        <source>(не подтверждено)</source>
        <translation>(not confirmed)</translation>
    </message>
</context>
<context>
    <name>zorkan::RegulatorTuningDialog</name>
    <message>
        <source>не установится</source>
        <translation>does not settle</translation>
    </message>
    <message>
        <source>Ступенька %1 → %2 на объекте: перерегулирование %3 % (по модели %4 %), время установления %5 с (%6 с), интегральная ошибка %7 °C·с (%8 °C·с).</source>
        <translation>Step %1 → %2 on the plant: overshoot %3 % (model %4 %), settling time %5 s (%6 s), integral error %7 °C·s (%8 °C·s).</translation>
    </message>
    <message>
        <source>Ход опыта</source>
        <translation>Experiment progress</translation>
    </message>
    <message>
        <source>Модель объекта</source>
        <translation>Plant model</translation>
    </message>
    <message>
        <source>второго порядка</source>
        <translation>second order</translation>
    </message>
    <message>
        <source>первого порядка</source>
        <translation>first order</translation>
    </message>
    <message>
        <source>Коэффициент передачи, °C/%</source>
        <translation>Gain, °C/%</translation>
    </message>
    <message>
        <source>Постоянная времени, с</source>
        <translation>Time constant, s</translation>
    </message>
    <message>
        <source>Вторая постоянная времени, с</source>
        <translation>Second time constant, s</translation>
    </message>
    <message>
        <source>Запаздывание, с</source>
        <translation>Dead time, s</translation>
    </message>
    <message>
        <source>Температура среды, °C</source>
        <translation>Ambient temperature, °C</translation>
    </message>
    <message>
        <source>Расхождение с опытом, °C</source>
        <translation>Deviation from experiment, °C</translation>
    </message>
    <message>
        <source>Критический коэффициент, %/°C</source>
        <translation>Ultimate gain, %/°C</translation>
    </message>
    <message>
        <source>Критический период, с</source>
        <translation>Ultimate period, s</translation>
    </message>
    <message>
        <source>Циклов колебаний</source>
        <translation>Oscillation cycles</translation>
    </message>
    <message>
        <source>%1, установились</source>
        <translation>%1, settled</translation>
    </message>
    <message>
        <source>%1, не установились</source>
        <translation>%1, not settled</translation>
    </message>
    <message>
        <source>Коэффициент пропорциональности</source>
        <translation>Proportional coefficient</translation>
    </message>
    <message>
        <source>Зона</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>T инт</source>
        <translation>T int</translation>
    </message>
    <message>
        <source>T  дифф</source>
        <translation>T diff</translation>
    </message>
    <message>
        <source>Период ШИМ</source>
        <translation>PWM period</translation>
    </message>
    <message>
        <source>Перерегулирование на модели, %</source>
        <translation>Overshoot on model, %</translation>
    </message>
    <message>
        <source>Время установления на модели, с</source>
        <translation>Settling time on model, s</translation>
    </message>
    <message>
        <source>Интегральная ошибка на модели, °C·с</source>
        <translation>Integral error on model, °C·s</translation>
    </message>
    <message>
        <source>Коэффициенты не записаны.</source>
        <translation>Coefficients not written.</translation>
    </message>
    <message>
        <source>Предлагаемые коэффициенты записаны в прибор и показаны на странице «Настройки каналов»; остальные поля страниц не изменены. Прежние коэффициенты возвращает «Файл» → «Вернуть настройки до записи».</source>
        <translation>The proposed coefficients are written to the instrument and shown on the page &quot;Channel settings&quot;; other page fields are unchanged. The previous coefficients are restored by &quot;File&quot; → &quot;Restore settings before write&quot;.</translation>
    </message>
    <message>
        <source>Ход проверки</source>
        <translation>Check progress</translation>
    </message>
</context>
<context>
    <name>zorkan::SettingValueText</name>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>zorkan::SettingsPages</name>
    <message>
        <source>Нагрев</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>Уставка</source>
        <translation>Setpoint</translation>
    </message>
    <message>
        <source>Обрыв</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>Реле 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <translation>Relay 2</translation>
    </message>
</context>
<context>
    <name>zorkan::StatusLine</name>
    <message>
        <source>Прибор: нет данных</source>
        <translation>Instrument: no data</translation>
    </message>
    <message>
        <source>Прибор № %1</source>
        <translation>Instrument No. %1</translation>
    </message>
    <message>
        <source>Обмена ещё не было</source>
        <translation>No exchange yet</translation>
    </message>
    <message>
        <source>Отвечает, ответ %1</source>
        <translation>Answering, reply %1</translation>
    </message>
    <message>
        <source>Не отвечает, ответ был %1</source>
        <translation>Not answering, last reply %1</translation>
    </message>
    <message>
        <source>Не отвечает</source>
        <translation>Not answering</translation>
    </message>
    <message>
        <source>Прочитано из прибора</source>
        <translation>Read from instrument</translation>
    </message>
    <message>
        <source>Прочитано из прибора № %1</source>
        <translation>Read from instrument No. %1</translation>
    </message>
    <message>
        <source>Записано в прибор</source>
        <translation>Written to instrument</translation>
    </message>
    <message>
        <source>Записано в прибор № %1</source>
        <translation>Written to instrument No. %1</translation>
    </message>
    <message>
        <source>Обмен с прибором № %1: адрес %2, %3 бод</source>
        <translation>Exchange with instrument No. %1: address %2, %3 baud</translation>
    </message>
</context>
<context>
    <name>zorkan::TForm1</name>
    <message>
        <source>Загружен профиль %1</source>
        <translation>Loaded profile %1</translation>
    </message>
    <message>
        <source>Сохранено в профиль %1</source>
        <translation>Saved to profile %1</translation>
    </message>
    <message>
        <source>Записано в приборы линии: %1</source>
        <translation>Written to instruments on the line: %1</translation>
    </message>
    <message>
        <source>Параметры связи записаны в dev.dat</source>
        <translation>Link settings written to dev.dat</translation>
    </message>
    <message>
        <source>Настройка ЗОРКАН 740 НР ПИД пользовательская версия </source>
        <translation>ZORKAN 740 NR PID Setup, user version </translation>
    </message>
    <message>
        <source>Настройка ЗОРКАН 740 НР ПИД </source>
        <translation>ZORKAN 740 NR PID Setup </translation>
    </message>
    <message>
        <source>Данные настройки прибора (*.prf)</source>
        <translation>Instrument settings data (*.prf)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>zorkan::UnsavedChanges</name>
    <message>
        <source>Несохранённые изменения</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Настройки на страницах изменены после загрузки профиля
%1
и не сохранены. Сохранить их в этот профиль?</source>
        <translation>The settings on the pages were changed after loading the profile
%1
and are not saved. Save them to this profile?</translation>
    </message>
</context>
</TS>
