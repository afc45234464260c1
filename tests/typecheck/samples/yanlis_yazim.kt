val button1 = findViewById<Button>(R.id.button1)
button1.setOnClikListener {
}
