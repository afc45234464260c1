val date_degisken1 = findViewById<DatePicker>(R.id.datePicker1)
