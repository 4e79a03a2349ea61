-- The whole data model of the order register. Dates are ISO-8601 text
-- ("yyyy-MM-dd HH:mm:ss", local time); yes/no columns hold 0 or 1.

CREATE TABLE schema_info (
  key   TEXT PRIMARY KEY,
  value TEXT NOT NULL
);
INSERT INTO schema_info (key, value) VALUES ('application', 'Verholm');

-- Orders
CREATE TABLE Заявки (
  ID                    INTEGER PRIMARY KEY AUTOINCREMENT,
  Создано               TEXT NOT NULL DEFAULT (strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')),
  Creator_ID            INTEGER NOT NULL DEFAULT 0,
  НачалоЗаказа          TEXT,
  ОкончаниеЗаказа       TEXT,
  ОбщееВремя            INTEGER NOT NULL DEFAULT 0,
  Клиент_ID             INTEGER NOT NULL DEFAULT 0,
  Заказчик_ID           INTEGER NOT NULL DEFAULT 0,
  ТипТС_ID              INTEGER NOT NULL DEFAULT 0,
  ПараметрыТС           TEXT NOT NULL DEFAULT '',
  Источник_ID           INTEGER NOT NULL DEFAULT 0,
  Реклама_ID            INTEGER NOT NULL DEFAULT 0,
  Диспетчер_ID          INTEGER NOT NULL DEFAULT 0,
  Маршрут               TEXT NOT NULL DEFAULT '',
  Загрузка              TEXT NOT NULL DEFAULT '',
  Разгрузка             TEXT NOT NULL DEFAULT '',
  ТаможняНазначения     TEXT NOT NULL DEFAULT '',
  Груз                  TEXT NOT NULL DEFAULT '',
  Получатель            TEXT NOT NULL DEFAULT '',
  Экспедиция            TEXT NOT NULL DEFAULT '',
  Исполнитель_ID        INTEGER NOT NULL DEFAULT 0,
  Автомобиль_ID         INTEGER NOT NULL DEFAULT 0,
  Водитель_ID           INTEGER NOT NULL DEFAULT 0,
  Менеджер_ID           INTEGER NOT NULL DEFAULT 0,
  Валюта_ID             INTEGER NOT NULL DEFAULT 0,
  Расчет                INTEGER NOT NULL DEFAULT 0,
  Тариф_ID              INTEGER NOT NULL DEFAULT 0,
  ЦенаПеревозки         REAL NOT NULL DEFAULT 0,
  Сумма                 REAL NOT NULL DEFAULT 0,
  СуммаКлиента          REAL NOT NULL DEFAULT 0,
  СуммаКлиентаРуб       REAL NOT NULL DEFAULT 0,
  ОплатаКлиента         BOOLEAN NOT NULL DEFAULT FALSE,
  ДатаОплатыКлиента     TEXT,
  СуммаИсполнителю      REAL NOT NULL DEFAULT 0,
  СуммаИсполнителюРуб   REAL NOT NULL DEFAULT 0,
  ОплатаИсполнителю     BOOLEAN NOT NULL DEFAULT FALSE,
  ДатаОплатыИсполнителю TEXT,
  Прибыль               REAL NOT NULL DEFAULT 0,
  Дополнительно         TEXT NOT NULL DEFAULT '',
  Done                  BOOLEAN NOT NULL DEFAULT FALSE
);
CREATE INDEX Заявки_Done ON Заявки (Done);
CREATE INDEX Заявки_Создано ON Заявки (Создано);
CREATE INDEX Заявки_Creator_ID ON Заявки (Creator_ID);
CREATE INDEX Заявки_Клиент_ID ON Заявки (Клиент_ID);
CREATE INDEX Заявки_Заказчик_ID ON Заявки (Заказчик_ID);
CREATE INDEX Заявки_ТипТС_ID ON Заявки (ТипТС_ID);
CREATE INDEX Заявки_Источник_ID ON Заявки (Источник_ID);
CREATE INDEX Заявки_Реклама_ID ON Заявки (Реклама_ID);
CREATE INDEX Заявки_Диспетчер_ID ON Заявки (Диспетчер_ID);
CREATE INDEX Заявки_Исполнитель_ID ON Заявки (Исполнитель_ID);
CREATE INDEX Заявки_Автомобиль_ID ON Заявки (Автомобиль_ID);
CREATE INDEX Заявки_Водитель_ID ON Заявки (Водитель_ID);
CREATE INDEX Заявки_Менеджер_ID ON Заявки (Менеджер_ID);
CREATE INDEX Заявки_Валюта_ID ON Заявки (Валюта_ID);
CREATE INDEX Заявки_Тариф_ID ON Заявки (Тариф_ID);

CREATE TABLE Расходные (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Заявка_ID  INTEGER NOT NULL,
  Расход_ID  INTEGER NOT NULL,
  Расходные  REAL NOT NULL DEFAULT 0
);
CREATE INDEX Расходные_Заявка_ID ON Расходные (Заявка_ID);
CREATE INDEX Расходные_Расход_ID ON Расходные (Расход_ID);

CREATE TABLE Файлы (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Заявка_ID  INTEGER NOT NULL,
  Файл       BLOB,
  Описание   TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Файлы_Заявка_ID ON Файлы (Заявка_ID);

-- Clients
CREATE TABLE Клиенты (
  ID           INTEGER PRIMARY KEY AUTOINCREMENT,
  Организация  TEXT NOT NULL DEFAULT '',
  Группа_ID    INTEGER,
  Контакты     TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Клиенты_Группа_ID ON Клиенты (Группа_ID);

CREATE TABLE Группы (
  ID            INTEGER PRIMARY KEY AUTOINCREMENT,
  Наименование  TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Заказчики (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Клиент_ID  INTEGER NOT NULL DEFAULT 0,
  ФИО        TEXT NOT NULL DEFAULT '',
  Телефон    TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Заказчики_Клиент_ID ON Заказчики (Клиент_ID);

-- Carriers
CREATE TABLE Исполнители (
  ID           INTEGER PRIMARY KEY AUTOINCREMENT,
  Исполнитель  TEXT NOT NULL DEFAULT '',
  Телефон      TEXT NOT NULL DEFAULT '',
  Факс         TEXT NOT NULL DEFAULT '',
  EMAIL        TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Авто (
  ID              INTEGER PRIMARY KEY AUTOINCREMENT,
  Исполнитель_ID  INTEGER NOT NULL DEFAULT 0,
  Марка           TEXT NOT NULL DEFAULT '',
  Номер           TEXT NOT NULL DEFAULT '',
  ТипТС_ID        INTEGER NOT NULL DEFAULT 0,
  Описание        TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Авто_Исполнитель_ID ON Авто (Исполнитель_ID);
CREATE INDEX Авто_ТипТС_ID ON Авто (ТипТС_ID);

CREATE TABLE Водители (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  Авто_ID   INTEGER NOT NULL DEFAULT 0,
  Водитель  TEXT NOT NULL DEFAULT '',
  Телефон   TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Водители_Авто_ID ON Водители (Авто_ID);

CREATE TABLE Менеджеры (
  ID              INTEGER PRIMARY KEY AUTOINCREMENT,
  Исполнитель_ID  INTEGER NOT NULL DEFAULT 0,
  Менеджер        TEXT NOT NULL DEFAULT '',
  Телефон         TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Менеджеры_Исполнитель_ID ON Менеджеры (Исполнитель_ID);

-- Simple directories
CREATE TABLE ТС (
  ID            INTEGER PRIMARY KEY AUTOINCREMENT,
  Наименование  TEXT NOT NULL DEFAULT '',
  ВремяПодачи   INTEGER NOT NULL DEFAULT 0,
  Минимал       INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE Источники (
  ID            INTEGER PRIMARY KEY AUTOINCREMENT,
  Наименование  TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Реклама (
  ID            INTEGER PRIMARY KEY AUTOINCREMENT,
  Наименование  TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Диспетчеры (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  ФИО       TEXT NOT NULL DEFAULT '',
  Контакты  TEXT NOT NULL DEFAULT ''
);

-- Money
CREATE TABLE Валюты (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Валюта     TEXT NOT NULL DEFAULT '',
  Код        TEXT NOT NULL DEFAULT '',
  Курс       REAL NOT NULL DEFAULT 0,
  Обновлено  TEXT,
  Язык       TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Тарифы (
  ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  Тариф    TEXT NOT NULL DEFAULT '',
  Активно  BOOLEAN NOT NULL DEFAULT TRUE
);

CREATE TABLE УмолчанияТарифов (
  ID           INTEGER PRIMARY KEY AUTOINCREMENT,
  Тариф_ID     INTEGER NOT NULL,
  Валюта_ID    INTEGER NOT NULL,
  ПоУмолчанию  REAL NOT NULL DEFAULT 0
);
CREATE INDEX УмолчанияТарифов_Тариф_ID ON УмолчанияТарифов (Тариф_ID);
CREATE INDEX УмолчанияТарифов_Валюта_ID ON УмолчанияТарифов (Валюта_ID);

CREATE TABLE Расходы (
  ID       INTEGER PRIMARY KEY AUTOINCREMENT,
  Расход   TEXT NOT NULL DEFAULT '',
  Активно  BOOLEAN NOT NULL DEFAULT TRUE
);

CREATE TABLE УмолчанияРасходов (
  ID           INTEGER PRIMARY KEY AUTOINCREMENT,
  Расход_ID    INTEGER NOT NULL,
  Валюта_ID    INTEGER NOT NULL,
  ПоУмолчанию  REAL NOT NULL DEFAULT 0
);
CREATE INDEX УмолчанияРасходов_Расход_ID ON УмолчанияРасходов (Расход_ID);
CREATE INDEX УмолчанияРасходов_Валюта_ID ON УмолчанияРасходов (Валюта_ID);

CREATE TABLE Фирмы (
  ID          INTEGER PRIMARY KEY AUTOINCREMENT,
  Фирма       TEXT NOT NULL DEFAULT '',
  Телефон     TEXT NOT NULL DEFAULT '',
  Реквизиты   TEXT NOT NULL DEFAULT '',
  Умолчание   BOOLEAN NOT NULL DEFAULT FALSE
);

-- Users, rights and settings
CREATE TABLE Пользователи (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  ФИО        TEXT NOT NULL DEFAULT '',
  Логин      TEXT NOT NULL DEFAULT '',
  -- a salted Argon2id hash, never the password itself
  Пароль     TEXT NOT NULL DEFAULT '',
  Status_ID  INTEGER NOT NULL DEFAULT 0,
  Цвет       TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Пользователи_Status_ID ON Пользователи (Status_ID);

CREATE TABLE Статусы (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  Название  TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Полномочия (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Status_ID  INTEGER NOT NULL,
  Поле       TEXT NOT NULL,
  Чтение     BOOLEAN NOT NULL DEFAULT FALSE,
  Изменение  BOOLEAN NOT NULL DEFAULT FALSE
);
CREATE INDEX Полномочия_Status_ID ON Полномочия (Status_ID);

CREATE TABLE Настройки (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  User_ID   INTEGER NOT NULL,
  Параметр  TEXT NOT NULL,
  Значение  INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Настройки_User_ID ON Настройки (User_ID);

-- Service tables
CREATE TABLE Протокол (
  ID           INTEGER PRIMARY KEY AUTOINCREMENT,
  ДатаВремя    TEXT NOT NULL DEFAULT (strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')),
  Действие     TEXT NOT NULL DEFAULT '',
  Логин        TEXT NOT NULL DEFAULT '',
  Детализация  TEXT NOT NULL DEFAULT ''
);
CREATE INDEX Протокол_ДатаВремя ON Протокол (ДатаВремя);
CREATE INDEX Протокол_Логин ON Протокол (Логин);

CREATE TABLE Константы (
  Ключ      TEXT PRIMARY KEY,
  Значение  TEXT NOT NULL DEFAULT ''
);
