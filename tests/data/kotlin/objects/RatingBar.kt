val rating_degisken1 = findViewById<RatingBar>(R.id.ratingBar1)
rating_degisken1.setOnRatingBarChangeListener { _, rating, fromUser ->
    // Rating değiştiğinde olacak olayrarı buraya yazın
}