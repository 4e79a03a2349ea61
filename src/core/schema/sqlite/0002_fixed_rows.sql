-- Rows the program needs before anybody can work: the shared settings, the
-- first administrator, and the directory entries without which no order can
-- be saved.

INSERT INTO Константы (Ключ, Значение) VALUES ('Number', '0');
INSERT INTO Константы (Ключ, Значение) VALUES ('NDS', '22');
INSERT INTO Константы (Ключ, Значение) VALUES ('Director', '');
INSERT INTO Константы (Ключ, Значение) VALUES ('Accountant', '');
INSERT INTO Константы (Ключ, Значение) VALUES ('SMTP', '');
INSERT INTO Константы (Ключ, Значение) VALUES ('PORT', '587');
INSERT INTO Константы (Ключ, Значение) VALUES ('MAIL_LOGIN', '');
INSERT INTO Константы (Ключ, Значение) VALUES ('MAIL_PASS', '');
INSERT INTO Константы (Ключ, Значение) VALUES ('DELAY', 'штраф 100 евро за каждые сутки просрочки подачи транспорта');
INSERT INTO Константы (Ключ, Значение) VALUES ('EXPIRATION', 'штраф 100 евро за каждые сутки просрочки доставки груза');
INSERT INTO Константы (Ключ, Значение) VALUES ('DOWNTIME', '50 евро за каждые сутки сверхнормативного простоя');

-- A status without rows restricts nothing.
INSERT INTO Статусы (Название) VALUES ('Администратор');
-- The password is set by the program when it creates the database.
INSERT INTO Пользователи (ФИО, Логин, Пароль, Status_ID, Цвет)
  VALUES ('Administrator', 'Administrator', '', (SELECT ID FROM Статусы WHERE Название = 'Администратор'), '');

-- "Реклама" and "Диспетчер" are recognised by name: they offer the
-- advertising channels and the dispatchers in the order editor.
INSERT INTO Источники (Наименование) VALUES ('Реклама');
INSERT INTO Источники (Наименование) VALUES ('Диспетчер');
INSERT INTO Источники (Наименование) VALUES ('Постоянный клиент');
INSERT INTO Источники (Наименование) VALUES ('Рекомендация');

INSERT INTO Валюты (Валюта, Код, Курс, Язык) VALUES ('Рубль', '', 1, 'rub.lng');
INSERT INTO Валюты (Валюта, Код, Курс, Язык) VALUES ('Доллар США', 'USD', 0, 'usd.lng');
INSERT INTO Валюты (Валюта, Код, Курс, Язык) VALUES ('Евро', 'EUR', 0, 'eur.lng');

INSERT INTO Тарифы (Тариф, Активно) VALUES ('Стандартный', TRUE);

-- Times in minutes: bringing the vehicle to the loading place, and the shortest order.
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Тент 20 т', 120, 480);
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Рефрижератор', 120, 480);
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Изотерм', 90, 480);
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Контейнеровоз', 120, 480);
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Автовоз', 180, 600);
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Трал', 240, 720);
INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) VALUES ('Фургон 5 т', 60, 240);
